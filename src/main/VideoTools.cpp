#include "main/VideoTools.h"

#include "video/screens/CYoukuSearch.h"

namespace tarvo {

void RegisterVideoTools(CTarvoDlg& launcher, CTarvoApp& app) {
  launcher.RegisterTool(u"视频搜索", [&app] { video::CYoukuSearch(app).DoModal(); });
}

}  // namespace tarvo
