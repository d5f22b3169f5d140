#pragma once
// The built-in tools the launcher opens by title, beyond its own "设置" and
// "退出": each screen's library is linked here, so the launcher needs none.
#include "app/shell/TarvoApp.h"
#include "launcher/CTarvoDlg.h"

namespace tarvo {

void RegisterTools(CTarvoDlg& launcher, CTarvoApp& app);

}  // namespace tarvo
