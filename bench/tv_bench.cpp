// Net TV and the site directory: the recommended list's rows after its body
// has come, a play that must search the phone for the player, and one edit
// of a long site list (the edit and the save of the file).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/XmlListEditor.h"
#include "app/XmlListFile.h"
#include "platform/device/Device.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Ui.h"
#include "sites/SiteEntry.h"
#include "tv/TvListFetch.h"
#include "tv/TvPlayer.h"

namespace tarvo {
namespace {

std::filesystem::path BenchFolder(const char* name) {
  auto folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

// The served list with 2,000 channels, as the device's code page holds it.
std::string RecommendedListBody(int channels) {
  WString text;
  for (int i = 0; i < channels; ++i) {
    text += u"#测试频道 " + FromUtf8(std::to_string(i)) + u"\r\n";
    text += u"mms://127.0.0.1:28080/tv/" + FromUtf8(std::to_string(i)) + u".y4m\r\n";
  }
  return ToCodePage(text, "GBK");
}

void BM_RecommendedRowsAfterTheBody(benchmark::State& state) {
  const std::string body = RecommendedListBody(static_cast<int>(state.range(0)));
  ui::Ui ui(ui::UiOptions::Sized(480, 800));
  ui::Dialog dialog(ui, u"电视直播");
  dialog.CreateModeless();
  ui::ListView list;
  list.Create(&dialog, dialog.ClientRect(), 994);
  list.InsertColumn(0, u"电视名称", 480);
  for (auto _ : state) {
    TvFetchResult result = ParseTvListBody(&body, "GBK");
    if (result.channels.size() != static_cast<size_t>(state.range(0))) state.SkipWithError("channels lost");
    list.DeleteAllItems();
    for (const TvChannel& channel : result.channels) list.InsertItem(list.ItemCount(), channel.name);
    ui.InvalidateScreen();
    benchmark::DoNotOptimize(ui.RenderScreen());
  }
}
BENCHMARK(BM_RecommendedRowsAfterTheBody)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_PlayWithoutACachedPlayer(benchmark::State& state) {
  const auto folder = BenchFolder("tarvo-bench-tv-play");
  auto device = Device::Open(folder.string());
  // 10,000 files in 100 folders; the player in the last one.
  const auto fs = folder / "fs" / "Storage Card";
  for (int d = 0; d < 100; ++d) {
    const auto sub = fs / ("folder" + std::to_string(d));
    std::filesystem::create_directories(sub);
    for (int f = 0; f < 100; ++f) std::ofstream(sub / ("file" + std::to_string(f) + ".dat")) << "x";
  }
  std::ofstream(fs / "folder99" / "player.exe") << "player";
  if (TvPlayer(*device).Play(u"rtsp://127.0.0.1:1/tv/1.y4m") != TvPlayOutcome::kStarted) {
    state.SkipWithError("the player was not found and started");
    return;
  }
  for (auto _ : state) {
    TvPlayer player(*device);  // a new screen: nothing cached
    benchmark::DoNotOptimize(player.Play(u"rtsp://127.0.0.1:1/tv/1.y4m"));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PlayWithoutACachedPlayer)->Unit(benchmark::kMillisecond);

void BM_SiteEditOfALongList(benchmark::State& state) {
  const auto folder = BenchFolder("tarvo-bench-sites");
  HostFileAccess files;
  XmlListFile document(files, FromUtf8((folder / "TarvoSiteswarm.xml").string()));
  document.Reset();
  std::vector<SiteEntry> sites;
  for (int i = 0; i < state.range(0); ++i) {
    SiteEntry site{u"网站" + FromUtf8(std::to_string(i)), u"http://site" + FromUtf8(std::to_string(i)) + u".test/"};
    document.Append(site.name, site.url);
    sites.push_back(site);
  }
  document.Save();
  XmlListEditor<SiteEntry> editor(sites, document);
  int turn = 0;
  for (auto _ : state) {
    const SiteEntry edited{u"改名" + FromUtf8(std::to_string(turn++)), sites[500].url};
    benchmark::DoNotOptimize(editor.ModifyAt(500, edited));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SiteEditOfALongList)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvo
