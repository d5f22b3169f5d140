#include "launcher/settings/CMainMenuTemplate.h"

#include "launcher/settings/TemplateSwitch.h"

namespace tarvo {

CMainMenuTemplate::CMainMenuTemplate(CTarvoApp& app)
    : SkinColumnDialog(app, kCaption, {u"普通模式", u"办公模式", u"返回"}) {}

void CMainMenuTemplate::OnButton(size_t index) {
  switch (index) {
    case 0: SwitchTemplate(app_, this, kNormalTemplate); break;
    case 1: SwitchTemplate(app_, this, kOfficeTemplate); break;
    default: EndDialog(ui::kIdCancel); break;
  }
}

}  // namespace tarvo
