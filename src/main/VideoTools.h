#pragma once
// The video tools of the launcher's tool table.
#include "app/shell/TarvoApp.h"
#include "launcher/CTarvoDlg.h"

namespace tarvo {

// "视频搜索" opens the Youku search screen.
void RegisterVideoTools(CTarvoDlg& launcher, CTarvoApp& app);

}  // namespace tarvo
