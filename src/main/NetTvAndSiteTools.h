#pragma once
// The launcher's tools "网络电视" (the net TV screen) and "网站云集" (the site
// directory).
#include "app/shell/TarvoApp.h"
#include "launcher/CTarvoDlg.h"

namespace tarvo {

void RegisterNetTvAndSiteTools(CTarvoDlg& launcher, CTarvoApp& app);

}  // namespace tarvo
