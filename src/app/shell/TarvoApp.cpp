#include "app/shell/TarvoApp.h"

#include "platform/device/DebugOutput.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "platform/ui/MessageBox.h"
#include "tools/SystemHelpers.h"

namespace tarvo {

CTarvoApp::CTarvoApp(Device& device, ui::Ui& ui)
    : Jokes([&ui](JokeCollection::Task task) { ui.PostTask(std::move(task)); }),
      Jobs(&ui.Workers()),
      device_(device),
      ui_(ui) {
  // A change of the device's orientation turns the screen on the UI thread,
  // as the window's rotation key does, when it swaps portrait and landscape.
  auto shown = std::make_shared<int>(device_.Display().Orientation());
  rotationListener_ = device_.Display().AddListener([&ui, shown](int degrees) {
    ui.PostTask([&ui, shown, degrees] {
      if (degrees % 180 != *shown % 180) ui.Rotate();
      *shown = degrees;
    });
  });
}

CTarvoApp::~CTarvoApp() {
  device_.Display().RemoveListener(rotationListener_);
  Jobs.StopAll();
}

int CTarvoApp::TemplateStyle() {
  return Config().ReadInt(u"TemplateStyle", u"style", 0, ConfigPath);
}

void CTarvoApp::LoadItems() {
  if (!Document) Document = std::make_unique<LauncherDocument>(device_.Files(), ProgramDir + u"temp\\MainMenu.xml");
  LoadLauncherItems(*Document, TemplateStyle(), DeviceFacts{ProgramDir, IsV9Device},
                    device_.Files(), LauncherItems, [this] {
                      ui::MessageBox(ui_, kLauncherFileError, u"Tarvo", ui::kMbOk | ui::kMbTopmost);
                    });
}

ui::ImagingFactory& CTarvoApp::Imaging() {
  if (!ImagingFactory) ImagingFactory = std::make_unique<ui::ImagingFactory>(device_.Files());
  return *ImagingFactory;
}

SiteListFile& CTarvoApp::Sites() {
  if (!SiteFile) {
    const std::string server = device_.Profile().Server("ContentServer");
    SiteFile = std::make_unique<SiteListFile>(device_.Files(), ProgramDir + u"temp\\" + kSiteListFileName,
                                              FromUtf8(server));
  }
  return *SiteFile;
}

LauncherEditor CTarvoApp::ItemEditor() {
  if (!Document) LoadItems();
  return LauncherEditor(*Document, LauncherItems, DeviceFacts{ProgramDir, IsV9Device}, device_.Files());
}

bool CTarvoApp::CreateLayoutForScreen() {
  if (!MeasureScreen(Metrics, ui_.ScreenWidth(), ui_.ScreenHeight())) {
    ui::MessageBox(ui_, kUnsupportedScreen, u"Tarvo", ui::kMbOk | ui::kMbTopmost);
    return false;
  }
  Layout = std::make_unique<GridLayout>(Metrics.ResolutionClass, Metrics.TextHeight,
                                        Metrics.ScreenHeight);
  Layout->Relayout(Metrics.ScreenWidth > Metrics.ScreenHeight, 0,
                   static_cast<int>(LauncherItems.size()));
  return true;
}

bool CTarvoApp::PrepareApplication() {
  ui::WaitCursorHold wait(ui_);
  Metrics.ScreenWidth = ui_.ScreenWidth();
  Metrics.ScreenHeight = ui_.ScreenHeight();
  Metrics.ScrollBarWidth = ui_.ScrollBarWidth();
  ChooseTextMetrics(Metrics);
  FileAccess& files = device_.Files();
  files.CreateFolder(ProgramDir + u"temp");
  SearchRecordPath = ProgramDir + u"temp\\TarvoSearchRecord.txt";
  ConfigPath = ProgramDir + u"temp\\TarvoConfig.ini";
  const tarvo::DeviceVersion version = ReadDeviceVersion(device_.GetRegistry());
  DeviceVersion = version.text;
  IsV9Device = version.isV9;
  LoadItems();
  if (!CreateLayoutForScreen()) return false;
  ImagingFactory = std::make_unique<ui::ImagingFactory>(files);
  if (!files.FileExists(ConfigPath)) files.WriteAtomically(ConfigPath, ToCodePage(kConfigComment, "GBK"));
  Keywords.clear();
  RemoveLeftoverFiles();
  return true;
}

int CTarvoApp::InitInstance(const std::function<int()>& runLauncher) {
  if (!PrepareApplication()) return kRefused;
  const int code = runLauncher();
  JobsEndedInTime = Jobs.StopAll();
  UpdateProgress.reset();
  // The installer now running needs "\windows\TarvoUpdate.exe" and "\windows\Tarvo.ini".
  if (InstallerStarted) return 0;
  RemoveLeftoverFiles();
  return code;
}

void CTarvoApp::RemoveLeftoverFiles() {
  FileAccess& files = device_.Files();
  const WString leftovers[] = {
      UpdaterPath,
      UpdateInfoPath,
      ProgramDir + u"TarvoUpdate.exe",
      u"\\windows\\Tarvo.ini",
      ProgramDir + u"Tarvo.ini",
      ProgramDir + u"Tarvo.exe###",
      ProgramDir + u"TarvoImage.cup",
      ProgramDir + u"TarvoImage.rar",
  };
  for (const WString& path : leftovers) {
    if (files.FileExists(path)) files.DeleteFile(path);
  }
}

}  // namespace tarvo
