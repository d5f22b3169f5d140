#pragma once
// Opening a web address: in the browser the user chose, else (on V9 phones)
// in UC when it is installed, else through the shell's default handler.
#include <functional>

#include "app/shell/TarvoApp.h"

namespace tarvo {

inline constexpr char16_t kUcBrowserPath[] = u"\\Windows\\ucweb.exe";

// Addresses reach here from the network (ticker messages, scraped links), so
// only web and stream addresses are opened: "http://", "https://", "mms://"
// and "rtsp://", in any letter case.
bool IsOpenableUrl(WStringView url);

// Never reports failure; an address that is not openable does nothing. The
// configured browser gets the address as its one argument, never a shell.
void OpenUrl(CTarvoApp& app, WStringView url);

// The opener that link lists (LinkListCtrl::SetOpener) take.
inline std::function<void(const WString&)> UrlOpenerFor(CTarvoApp& app) {
  return [&app](const WString& url) { OpenUrl(app, url); };
}

}  // namespace tarvo
