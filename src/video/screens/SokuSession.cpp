#include "video/screens/SokuSession.h"

#include "platform/text/Utf8.h"
#include "platform/ui/Ui.h"
#include "video/soku/SokuParsers.h"

namespace tarvo::video {

PageFetcher SokuFetcher(const VideoServers& servers) {
  const HttpFetchTimeouts timeouts = servers.timeouts;
  return [timeouts](const WString& url) -> std::optional<std::string> {
    HttpFetch fetch(url, timeouts);
    if (!fetch.Content()) return std::nullopt;
    return *fetch.Content();
  };
}

int LoadSokuPage(CTarvoApp& app, SokuSession& session, int page) {
  const WString url = session.servers.sokuBase + soku::SokuSearchPath(session.keyword, session.hd, page);
  WString text;
  {
    ui::WaitCursorHold wait(app.GetUi());
    if (auto body = SokuFetcher(session.servers)(url)) text = FromUtf8(*body);
  }
  const int status = soku::ParseSokuPage(app.Soku, text, session.servers.sokuBase);
  session.noNextPage = text.find(u"下一页") == WString::npos;
  return status;
}

}  // namespace tarvo::video
