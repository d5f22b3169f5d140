#include "launcher/settings/CPersonalSet.h"

#include "launcher/settings/CButtonStyleSet.h"
#include "launcher/settings/CIESet.h"
#include "launcher/settings/CMainMenuSet.h"
#include "launcher/settings/CMainMenuTemplate.h"

namespace tarvo {

CPersonalSet::CPersonalSet(CTarvoApp& app)
    : SkinColumnDialog(app, kCaption, {u"主界面模板", u"主界面设置", u"浏览器设置", u"按钮风格设置", u"返回"}) {}

void CPersonalSet::OnButton(size_t index) {
  switch (index) {
    case 0:
      CMainMenuTemplate(app_).DoModal();
      break;
    case 1:
      RunChild([this] { CMainMenuSet(app_).DoModal(); });
      break;
    case 2:
      RunChild([this] { CIESet(app_).DoModal(); });
      break;
    case 3:
      RunChild([this] { CButtonStyleSet(app_).DoModal(); });
      break;
    default:
      EndDialog(ui::kIdCancel);
      break;
  }
}

}  // namespace tarvo
