#include "launcher/settings/TemplateSwitch.h"

#include "platform/ui/MessageBox.h"

namespace tarvo {
namespace {

struct TemplateTexts {
  const char16_t* already;
  const char16_t* question;
  const char16_t* done;
};

constexpr TemplateTexts kNormalTexts{u"已经是普通模式了。", u"确定将Tarvo切换到普通模式吗？",
                                     u"成功切换到普通模式。"};
constexpr TemplateTexts kOfficeTexts{u"已经是办公模式了。", u"确定将Tarvo切换到办公模式吗？",
                                     u"成功切换到办公模式。"};

}  // namespace

bool SwitchTemplate(CTarvoApp& app, ui::Window* owner, int target) {
  const TemplateTexts& texts = target == kOfficeTemplate ? kOfficeTexts : kNormalTexts;
  if (app.TemplateStyle() == target) {
    ui::MessageBox(owner, texts.already, u"Tarvo", ui::kMbOk);
    return false;
  }
  if (ui::MessageBox(owner, texts.question, u"Tarvo", ui::kMbYesNo | ui::kMbIconQuestion) != ui::kIdYes)
    return false;
  app.Config().WriteInt(u"TemplateStyle", u"style", target, app.ConfigPath);
  {
    ui::WaitCursorHold wait(app.GetUi());
    app.ItemEditor().RestoreDefaults(target);
    app.LauncherChanged = true;
  }
  ui::MessageBox(owner, texts.done, u"Tarvo", ui::kMbOk);
  return true;
}

}  // namespace tarvo
