#include "main/ToolTable.h"

#include "timesync/CTimeSync.h"

namespace tarvo {

void RegisterTools(CTarvoDlg& launcher, CTarvoApp& app) {
  launcher.RegisterTool(u"时间同步", [&app] { CTimeSync(app).DoModal(); });
}

}  // namespace tarvo
