#pragma once
// The application object: everything that lives as long as the process (the
// screen metrics, the fixed paths, the launcher items and their document,
// the grid layout, the picture decoder, the background jobs), start-up and
// the exit sequence around the launcher dialog.
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "app/AppVersion.h"
#include "app/BackgroundJobs.h"
#include "app/IniFile.h"
#include "app/ScreenMetrics.h"
#include "jokes/AccountFile.h"
#include "jokes/JokeCollection.h"
#include "launcher/items/GridLayout.h"
#include "launcher/items/LauncherDocument.h"
#include "launcher/items/LauncherEditor.h"
#include "platform/device/Device.h"
#include "platform/ui/ImageCodec.h"
#include "platform/ui/Ui.h"
#include "sites/SiteEntry.h"
#include "sites/SiteListFile.h"
#include "video/soku/SokuResults.h"

namespace tarvo {

inline constexpr char16_t kConfigComment[] =
    u";此文件用来保存Tarvo的一些配置信息，擅自删改将导致程序异常!";
inline constexpr char16_t kUnsupportedScreen[] = u"不支持的分辨率。";
// Background jobs that other parts of the program start by name.
inline constexpr char kUpdateCheckJob[] = "update-check";
inline constexpr char kJokeSyncJob[] = "joke-sync";
inline constexpr char kJokeLoadJob[] = "joke-load";

class CTarvoApp {
 public:
  CTarvoApp(Device& device, ui::Ui& ui);
  ~CTarvoApp();

  // Steps of start-up up to the launcher: metrics, working folder, device
  // version, template, items, layout, configuration file, leftovers. False
  // when the screen size is refused (after saying so).
  bool PrepareApplication();
  // PrepareApplication, then runLauncher (which shows the launcher modally),
  // then the exit sequence. Returns runLauncher's code, or kRefused when
  // start-up refused to go on.
  int InitInstance(const std::function<int()>& runLauncher);
  static constexpr int kRefused = -1000;
  // Deletes the remains of an installation or self-update, in order.
  void RemoveLeftoverFiles();
  bool CreateLayoutForScreen();
  // Loads the items of the configured template (or builds its defaults).
  void LoadItems();
  int TemplateStyle();
  IniFile Config() { return IniFile(device_.Files(), device_.CodePage()); }
  // The picture decoder, made on first use.
  ui::ImagingFactory& Imaging();
  // Edits of the launcher items and their file (the items are loaded first
  // when they are not yet).
  LauncherEditor ItemEditor();

  Device& GetDevice() { return device_; }
  ui::Ui& GetUi() { return ui_; }

  // Process-wide state the screens read.
  WString AppVersion = kAppVersion;
  WString UpdateSection = u"Update";
  WString ProgramDir = u"\\Program Files\\Tarvo\\";
  WString UpdateInfoPath = u"\\windows\\TarvoUpdate.txt";
  WString UpdaterPath = u"\\windows\\TarvoUpdate.exe";
  WString ConfigPath;
  WString SearchRecordPath;
  WString AccountFile = u"\\windows\\systemacc";
  // The saved accounts, loaded by the first login dialog of the run (UI
  // thread only).
  std::vector<Account> Accounts;
  ScreenMetrics Metrics;
  std::vector<LauncherItem> LauncherItems;
  std::unique_ptr<LauncherDocument> Document;
  std::unique_ptr<GridLayout> Layout;
  std::unique_ptr<ui::ImagingFactory> ImagingFactory;
  ui::Canvas BackgroundBitmap;  // the launcher's background picture
  // The settings screens changed the items; the launcher lays its grid out
  // again and clears this when the settings hub has closed.
  bool LauncherChanged = false;
  WString DeviceVersion;
  bool IsV9Device = false;
  std::vector<WString> Keywords;  // the shared search-keyword list
  // The last Soku result page, read by its list and detail screens (UI thread only).
  soku::SokuResults Soku;
  std::atomic<bool> JokeUpdateInProgress{false};  // the joke reader's own update runs
  // The site directory's list and its file (row 1 on the content server),
  // filled when the directory opens.
  std::vector<SiteEntry> SiteList;
  std::unique_ptr<SiteListFile> SiteFile;
  SiteListFile& Sites();
  // The jokes in memory; listeners hear of changes on the UI thread. Made
  // before the jobs, so that it outlives every job that fills it.
  JokeCollection Jokes;
  BackgroundJobs Jobs;
  // False when a job did not end within the exit bound: the process should
  // end at once, without running the destructors the job may still need.
  bool JobsEndedInTime = true;
  // The update check started the installer: the exit leaves its files
  // (UpdaterPath, the hand-over file) alone and the program ends with 0.
  bool InstallerStarted = false;
  // The installer download's window while it shows (UI thread only).
  std::unique_ptr<ui::Window> UpdateProgress;

 private:
  Device& device_;
  ui::Ui& ui_;
  DisplaySettings::ListenerId rotationListener_ = 0;
};

}  // namespace tarvo
