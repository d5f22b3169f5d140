#pragma once
// The site dialog: a new site (mode 2, the URL preset to "http://") or a
// change of one (mode 1). The edit is applied and saved through the
// editor's callback before "保存成功!".
#include <functional>

#include "app/shell/TarvoApp.h"
#include "launcher/controls/CEntryDialog.h"
#include "sites/SiteEntry.h"

namespace tarvo {

class CAddSite : public CEntryDialog {
 public:
  static constexpr int kModifyMode = 1;
  static constexpr int kAddMode = 2;
  using ApplyEdit = std::function<bool(const SiteEntry& site)>;

  CAddSite(CTarvoApp& app, int mode, const SiteEntry& site, ApplyEdit apply);

 protected:
  WString Check(const WString& name, const WString& url) const override;
  bool Apply(const WString& name, const WString& url) override;

 private:
  ApplyEdit apply_;
};

}  // namespace tarvo
