#include "video/screens/YoukuSession.h"

#include "platform/text/Utf8.h"
#include "platform/ui/Ui.h"
#include "video/KeywordEncoding.h"
#include "video/YoukuPageParser.h"

namespace tarvo::video {

int LoadYoukuPage(CTarvoApp& app, YoukuSession& session, int page) {
  if (page == 1) session.result.Clear();
  const WString url =
      session.servers.youkuSearch + YoukuSearchPath(session.keyword, session.orderIndex, session.hd, page);
  WString text;
  {
    ui::WaitCursorHold wait(app.GetUi());
    HttpFetch fetch(url, session.servers.timeouts);
    if (fetch.Content()) text = FromUtf8(*fetch.Content());
  }
  const int status = ParseYoukuPage(text, session.result, session.servers.youkuSite);
  session.noNextPage = NoNextPage(text) != 0;
  return status;
}

}  // namespace tarvo::video
