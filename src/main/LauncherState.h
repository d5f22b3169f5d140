#pragma once
// What the launcher holds after start-up, as JSON (tarvo --dump-state).
#include <string>

#include "app/shell/TarvoApp.h"

namespace tarvo {

std::string LauncherStateJson(CTarvoApp& app);

}  // namespace tarvo
