#include "main/NetTvAndSiteTools.h"

#include "sites/screens/CSiteSwarm.h"
#include "tv/screens/CRecommendTV.h"

namespace tarvo {

void RegisterNetTvAndSiteTools(CTarvoDlg& launcher, CTarvoApp& app) {
  launcher.RegisterTool(u"网络电视", [&app] { CRecommendTV(app).DoModal(); });
  launcher.RegisterTool(u"网站云集", [&app] { CSiteSwarm(app).DoModal(); });
}

}  // namespace tarvo
