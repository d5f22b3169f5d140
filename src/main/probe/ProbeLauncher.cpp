// tarvo-probe launcher: edit a device's launcher items without the program.
#include <ostream>

#include "app/IniFile.h"
#include "launcher/items/LauncherDocument.h"
#include "main/probe/ProbeCommand.h"
#include "platform/device/Device.h"
#include "tools/SystemHelpers.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  launcher add-tool DEVICE-DIR TITLE [ICON]\n"
    "      appends a built-in tool's item to MainMenu.xml (once; the defaults are written\n"
    "      first when the file holds none). ICON: a file in TarvoImage or a phone path,\n"
    "      Tarvo_Search.png when left out. The launcher reads it at its next start.";

constexpr char16_t kProgramDir[] = u"\\Program Files\\Tarvo\\";

WString IconPath(const std::string& icon) {
  const WString given = Arg(icon);
  if (!given.empty() && given.front() == u'\\') return given;
  return WString(kProgramDir) + u"TarvoImage\\" + given;
}

int AddTool(ProbeContext& context, const std::string& dir, const std::string& title,
            const std::string& icon) {
  std::string error;
  auto device = Device::Open(dir, &error);
  if (!device) {
    context.err << "tarvo-probe: " << error << "\n";
    return kExitUsage;
  }
  FileAccess& files = device->Files();
  const WString programDir = kProgramDir;
  files.CreateFolder(programDir + u"temp");
  const int style = IniFile(files, device->CodePage())
                        .ReadInt(u"TemplateStyle", u"style", 0, programDir + u"temp\\TarvoConfig.ini");
  const DeviceFacts facts{programDir, ReadDeviceVersion(device->GetRegistry()).isV9};

  // Loading as the launcher does builds and saves the defaults into an empty
  // file, so the added item never becomes the only one.
  LauncherDocument document(files, programDir + u"temp\\MainMenu.xml");
  std::vector<LauncherItem> items;
  bool unreadable = false;
  LoadLauncherItems(document, style, facts, files, items, [&unreadable] { unreadable = true; });
  if (unreadable) {
    context.err << "tarvo-probe: MainMenu.xml could not be read; it was kept as MainMenu.xml.bad\n";
    return kExitAbsent;
  }
  const WString wanted = Arg(title);
  for (const LauncherItem& item : items) {
    if (item.Title == wanted) {
      context.out << "already there\n";
      return kExitOk;
    }
  }
  document.AppendItemElement({kToolItem, wanted, IconPath(icon), u""});
  if (!document.Save()) {
    context.err << "tarvo-probe: MainMenu.xml could not be written\n";
    return kExitAbsent;
  }
  context.out << "added\n";
  return kExitOk;
}

int RunLauncher(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty()) return Usage(context, kUsage);
  if (args[0] == "add-tool" && (args.size() == 3 || args.size() == 4) && !args[2].empty()) {
    return AddTool(context, args[1], args[2], args.size() == 4 ? args[3] : "Tarvo_Search.png");
  }
  return Usage(context, kUsage);
}

const ProbeRegistration kRegistration("launcher", kUsage, &RunLauncher);

}  // namespace
}  // namespace tarvo::probe
