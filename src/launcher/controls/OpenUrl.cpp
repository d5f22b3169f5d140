#include "launcher/controls/OpenUrl.h"

#include <array>

namespace tarvo {
namespace {

constexpr size_t kPathCapacity = 260;

bool StartsWithIgnoringCase(WStringView text, std::u16string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char16_t c = text[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool IsOpenableUrl(WStringView url) {
  constexpr std::array<std::u16string_view, 4> kSchemes{u"http://", u"https://", u"mms://", u"rtsp://"};
  for (auto scheme : kSchemes)
    if (StartsWithIgnoringCase(url, scheme)) return true;
  return false;
}

void OpenUrl(CTarvoApp& app, WStringView url) {
  if (!IsOpenableUrl(url)) return;
  Shell& shell = app.GetDevice().GetShell();
  const WString browser = app.Config().ReadString(u"BrowserPath", u"path", u"", kPathCapacity, app.ConfigPath);
  if (!browser.empty()) {
    if (shell.StartProcess(browser, url, false)) return;
  } else if (app.IsV9Device && app.GetDevice().Files().FileExists(kUcBrowserPath)) {
    if (shell.StartProcess(kUcBrowserPath, url, false)) return;
  }
  shell.ShellOpen(url, u"");
}

}  // namespace tarvo
