#include "sites/screens/CAddSite.h"

namespace tarvo {
namespace {

constexpr char16_t kScheme[] = u"http://";

CEntryDialog::Look LookOf(CTarvoApp& app) { return {app.Metrics, app.Imaging(), app.ProgramDir}; }

}  // namespace

CAddSite::CAddSite(CTarvoApp& app, int mode, const SiteEntry& site, ApplyEdit apply)
    : CEntryDialog(app.GetUi(), LookOf(app), u"网站名：", u"网址：", mode == kModifyMode ? site.name : u"",
                   mode == kModifyMode ? site.url : kScheme),
      apply_(std::move(apply)) {}

WString CAddSite::Check(const WString& name, const WString& url) const {
  if (name.empty()) return u"网站名不能为空!";
  if (url.empty()) return u"网址不能为空!";
  if (WStringView(url).substr(0, 7) != kScheme) return u"网址格式有误!";
  return WString();
}

bool CAddSite::Apply(const WString& name, const WString& url) { return apply_ && apply_(SiteEntry{name, url}); }

}  // namespace tarvo
