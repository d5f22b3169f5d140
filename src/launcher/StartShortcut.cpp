#include "launcher/StartShortcut.h"

#include "platform/text/Utf8.h"
#include "platform/ui/MessageBox.h"

namespace tarvo {
namespace {

WString ShortcutPath() { return WString(kProgramsFolder) + u"\\Tarvo.lnk"; }

void Say(CTarvoApp& app, WStringView text) { ui::MessageBox(app.GetUi(), text, u"Tarvo", ui::kMbOk); }

}  // namespace

void CreateStartShortcut(CTarvoApp& app) {
  FileAccess& files = app.GetDevice().Files();
  if (files.FileExists(ShortcutPath())) {
    Say(app, u"已经有快捷方式了。");
    return;
  }
  // The shortcut's text is its target: the program path in double quotes.
  const WString target = u"\"" + app.ProgramDir + u"Tarvo.exe\"";
  if (files.WriteAtomically(ShortcutPath(), ToUtf8(target))) Say(app, u"成功生成快捷方式！");
  app.GetDevice().GetRegistry().SetString(RegistryRoot::LocalMachine, kShortcutIconKey, u"Icon",
                                          app.ProgramDir + u"TarvoImage\\Tarvo.png");
}

void DeleteStartShortcut(CTarvoApp& app) {
  FileAccess& files = app.GetDevice().Files();
  if (files.FileExists(ShortcutPath()) && files.DeleteFile(ShortcutPath())) {
    Say(app, u"删除成功！");
  } else {
    Say(app, u"无效操作，未找到快捷方式！");
  }
}

}  // namespace tarvo
