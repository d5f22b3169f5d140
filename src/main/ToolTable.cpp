#include "main/ToolTable.h"

#include "sites/screens/CSiteSwarm.h"
#include "timesync/CTimeSync.h"
#include "tv/screens/CRecommendTV.h"
#include "video/screens/CHotVideo.h"
#include "video/screens/CSokuSearch.h"
#include "video/screens/CYoukuSearch.h"

namespace tarvo {

void RegisterTools(CTarvoDlg& launcher, CTarvoApp& app) {
  launcher.RegisterTool(u"视频搜索", [&app] { video::CYoukuSearch(app).DoModal(); });
  launcher.RegisterTool(u"热点视频", [&app] { video::CHotVideo(app).DoModal(); });
  // No default item set holds it: a user adds its item to MainMenu.xml.
  launcher.RegisterTool(u"全网搜索", [&app] { video::CSokuSearch(app).DoModal(); });
  launcher.RegisterTool(u"网络电视", [&app] { CRecommendTV(app).DoModal(); });
  launcher.RegisterTool(u"网站云集", [&app] { CSiteSwarm(app).DoModal(); });
  launcher.RegisterTool(u"时间同步", [&app] { CTimeSync(app).DoModal(); });
}

}  // namespace tarvo
