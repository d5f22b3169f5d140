#include "launcher/settings/CPersonalSet.h"

#include "launcher/settings/CButtonStyleSet.h"
#include "launcher/settings/CIESet.h"
#include "launcher/settings/CMainMenuSet.h"
#include "launcher/settings/CMainMenuTemplate.h"
#include "platform/ui/Ui.h"

namespace tarvo {

CPersonalSet::CPersonalSet(CTarvoApp& app)
    : SkinColumnDialog(app, kCaption, {u"主界面模板", u"主界面设置", u"浏览器设置", u"按钮风格设置", u"返回"}) {}

void CPersonalSet::OnButton(size_t index) {
  switch (index) {
    case 0:
      CMainMenuTemplate(app_).DoModal();
      break;
    case 1:
      // These screens turn the wait cursor off once they are built.
      RunChild([this] {
        GetUi().SetWaitCursor(true);
        CMainMenuSet(app_).DoModal();
      });
      break;
    case 2:
      RunChild([this] {
        GetUi().SetWaitCursor(true);
        CIESet(app_).DoModal();
      });
      break;
    case 3:
      RunChild([this] {
        GetUi().SetWaitCursor(true);
        CButtonStyleSet(app_).DoModal();
      });
      break;
    default:
      EndDialog(ui::kIdCancel);
      break;
  }
}

}  // namespace tarvo
