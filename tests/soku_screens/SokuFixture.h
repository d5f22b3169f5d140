#pragma once
// A launcher with the "全网搜索" item on a throwaway device whose servers are
// the stand-ins on an ephemeral port, serving the sample Soku catalogue;
// helpers to reach and drive the Soku screens as a user does.
#include <gtest/gtest.h>

#include <filesystem>

#include "StandInServers.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "platform/ui/ListView.h"
#include "settings/SettingsFixture.h"
#include "support/LauncherRun.h"
#include "video/screens/CSokuSearch.h"
#include "video/screens/CSokuSeriesVideo.h"
#include "video/screens/CSokuVideo.h"
#include "video/screens/CSokuVideoDetail.h"

namespace tarvo::testing {

class SokuFixture : public SettingsFixture {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.httpPort = 0;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  void TearDown() override {
    SettingsFixture::TearDown();
    servers_.Stop();
  }
  void Launch(int width = 240, int height = 320) {
    device_ = testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort());
    ASSERT_TRUE(device_);
    dir_.Write("phone/device.ini", dir_.Read("phone/device.ini") + "\n[Network]\nTimeoutMs=500\n");
    device_.reset();
    device_ = testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort());
    driver_ = std::make_unique<ScreenDriver>(width, height);
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    ASSERT_TRUE(testing::RunLauncherWithTools(*driver_, *app_, launcher_));
    // A user adds the item; no default set holds it.
    driver_->Invoke([this] { app_->LauncherItems.push_back(LauncherItem{kToolItem, u"全网搜索", u"", u""}); });
  }
  template <class Screen>
  Screen* Top() {
    return driver_->Invoke([this] { return dynamic_cast<Screen*>(driver_->GetUi().ActiveWindow()); });
  }
  template <class Screen>
  bool WaitForScreen() {
    return driver_->WaitFor([this] { return dynamic_cast<Screen*>(driver_->GetUi().ActiveWindow()) != nullptr; });
  }
  bool WaitForSeries(uint32_t mode) {
    return driver_->WaitFor([this, mode] {
      auto* series = dynamic_cast<video::CSokuSeriesVideo*>(driver_->GetUi().ActiveWindow());
      return series != nullptr && series->Mode() == mode;
    });
  }
  void OpenSearch() {
    StartItem(u"全网搜索");
    ASSERT_TRUE(WaitForScreen<video::CSokuSearch>());
  }
  void TypeKeyword(WStringView keyword) {
    auto at = driver_->Invoke([this] {
      const ui::Rect r = FindDescendant(driver_->GetUi().ActiveWindow(), 1013)->ScreenRect();
      return ui::Point{r.left + 10, (r.top + r.bottom) / 2};
    });
    driver_->Tap(at);
    driver_->Type(keyword);
    driver_->Sync();
  }
  // Searches from the search screen and waits for the list.
  void Search(WStringView keyword) {
    TypeKeyword(keyword);
    TapControl(video::CSokuSearch::kSearchId);
  }
  void SearchToList(WStringView keyword) {
    OpenSearch();
    Search(keyword);
    ASSERT_TRUE(WaitForScreen<video::CSokuVideo>());
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    if (auto list = driver_->ListRows(994))
      for (const auto& row : *list) rows.push_back(ToUtf8(row.at(0)));
    return rows;
  }
  // For WaitFor conditions, which run on the UI thread.
  int RowCountHere() {
    auto* list = dynamic_cast<ui::ListView*>(FindDescendant(driver_->GetUi().ActiveWindow(), 994));
    return list == nullptr ? -1 : list->ItemCount();
  }
  video::CSokuSeriesVideo* SeriesHere() {
    return dynamic_cast<video::CSokuSeriesVideo*>(driver_->GetUi().ActiveWindow());
  }
  std::vector<std::string> PaintedTexts() {
    return driver_->Invoke([this] {
      std::vector<std::string> texts;
      std::vector<ui::PaintedText> painted;
      if (ui::Window* top = driver_->GetUi().ActiveWindow()) top->DescribePainted(painted);
      for (const auto& p : painted) texts.push_back(ToUtf8(p.text));
      return texts;
    });
  }
  // The centre of the painted text; occurrence 1 is the second one.
  std::optional<ui::Point> TextCenter(const std::string& text, int occurrence = 0) {
    return driver_->Invoke([this, text, occurrence]() mutable -> std::optional<ui::Point> {
      std::vector<ui::PaintedText> painted;
      ui::Window* top = driver_->GetUi().ActiveWindow();
      top->DescribePainted(painted);
      for (const auto& p : painted)
        if (ToUtf8(p.text) == text && occurrence-- == 0)
          return top->ToScreen(ui::Point{(p.rect.left + p.rect.right) / 2, (p.rect.top + p.rect.bottom) / 2});
      return std::nullopt;
    });
  }
  void TapText(const std::string& text, int occurrence = 0) {
    auto at = TextCenter(text, occurrence);
    ASSERT_TRUE(at) << "no painted text " << text;
    driver_->Tap(*at);
  }
  std::vector<std::string> Targets() {
    std::vector<std::string> targets;
    for (const auto& request : servers_.Requests()) targets.push_back(request.target);
    return targets;
  }
  size_t CountRequests(const std::string& prefix) {
    size_t n = 0;
    for (const auto& target : Targets()) n += target.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
  }
  std::string Playlist() { return PhoneFile("Program Files/Tarvo/temp/Tarvo.m3u"); }
  std::string Base() { return servers_.HttpBase(); }
  // The playlist the parse page gives for a video, as written.
  std::string PlaylistOf(const std::string& vid) {
    return ToCodePage(FromUtf8("#EXTM3U\n#EXTINF:0," + vid + " 第1段\n" + Base() + "/media/" + vid + "_1.y4m\n#EXTINF:1," + vid +
           " 第2段\n" + Base() + "/media/" + vid + "_2.y4m\n"), "GBK");
  }
  bool WaitForPlay() {
    return driver_->WaitFor([this] { return LaunchLog().find("Tarvo.m3u") != std::string::npos; });
  }
  void SaveSokuScreen(const std::string& name) {
    std::filesystem::create_directories("soku-screens");
    driver_->SaveScreen("soku-screens/" + name + ".png");
  }

  servers::StandInServers servers_;
};

}  // namespace tarvo::testing
