#pragma once
// A launcher with the video tools on a throwaway device whose servers are
// an in-process stand-in on an ephemeral port, serving pages the test
// writes; helpers to reach and drive the video screens as a user does.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "StandInServers.h"
#include "support/LauncherRun.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "platform/ui/ImageCodec.h"
#include "settings/SettingsFixture.h"

namespace tarvo::testing {

class YoukuFixture : public SettingsFixture {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = dir_.File("site");
    options.faults = true;
    std::filesystem::create_directories(options.dataDir + "/content");
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  void TearDown() override {
    SettingsFixture::TearDown();
    servers_.Stop();
  }
  // The launcher, its device at the stand-in with short fetch time-outs.
  void LaunchVideo(int width = 240, int height = 320) {
    device_ = testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort());
    ASSERT_TRUE(device_);
    const std::string profile = dir_.Read("phone/device.ini");
    ASSERT_FALSE(profile.empty());
    std::string edited = profile;
    for (const auto& [key, value] : profileValues_) {
      const size_t at = edited.find("\n" + key + "=");
      if (at == std::string::npos) continue;
      const size_t end = edited.find('\n', at + 1);
      edited.replace(at + 1, end == std::string::npos ? std::string::npos : end - at - 1, key + "=" + value);
    }
    dir_.Write("phone/device.ini", edited + "\n[Network]\nTimeoutMs=" + std::to_string(fetchTimeoutMs_) + "\n");
    device_.reset();
    device_ = testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort());
    driver_ = std::make_unique<ScreenDriver>(width, height);
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    ASSERT_TRUE(testing::RunLauncherWithTools(*driver_, *app_, launcher_));
  }
  std::string Base() const { return servers_.HttpBase(); }
  // A file the stand-in serves at this path (and "@query" for a query).
  void Serve(const std::string& path, const std::string& bytes) {
    const std::string file = dir_.File("site/content" + path);
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  void ServePicture(const std::string& path, uint32_t colour) {
    const std::string file = dir_.File("site/content" + path);
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    ASSERT_TRUE(ui::SavePng(ui::Canvas(60, 40, ui::PixelFormat::Xrgb, colour), file));
  }
  // A result page: plain videos (id, title, intro) and optional extra blocks.
  std::string ResultPage(const std::vector<std::array<std::string, 3>>& videos, const std::string& blocks = "",
                         bool nextPage = false) {
    std::string page = "<html><body>\n" + blocks;
    if (!videos.empty()) {
      page += "<div class=\"vCollDetail\"><ul>\n";
      for (const auto& v : videos) {
        page += "<li class=\"video\"><a href=\"" + v[0] + "\" title=\"" + v[1] + "\"><img src=\"" + Base() +
                "/img/" + v[0] + ".png\" /></a><span class=\"time\">01:00</span>";
        if (!v[2].empty()) page += "<p class=\"vIntro\">" + v[2] + "</p>";
        page += "</li>\n";
      }
      page += "</ul></div>\n<!--vCollDetail-->\n";
    }
    if (nextPage) page += "<div class=\"pager\"><a href=\"/x\">下一页</a></div>\n";
    return page + "</body></html>";
  }
  // The series-programme block of one show id.
  std::string SeriesBlock(const std::string& showId) {
    return "<!--系列节目-->\n<div class=\"varietyResult\"><img src=\"" + Base() +
           "/img/series.png\" /><ul class=\"year\"><li onclick=\"showEp('" + showId +
           "')\">2010</li></ul></div>\n<!--系列节目结束-->\n";
  }
  std::string EpisodePage(const std::vector<std::pair<std::string, std::string>>& episodes,
                          const std::string& nextPath = "") {
    std::string page = "<html><body><ul class=\"sn\">\n";
    for (const auto& [url, name] : episodes) page += "<li><a href=\"" + url + "\">" + name + "</a></li>\n";
    page += "</ul><div class=\"pages\"><span class=\"current\">1</span>";
    if (!nextPath.empty()) page += "<a href=\"" + nextPath + "\">2</a>";
    return page + "</div></body></html>";
  }
  // The parse page's answer for a video address, in GBK.
  void ServeParse(const std::string& video, const std::string& utf8Answer) {
    Serve("/parse.php@kw=" + video, ::tarvo::ToCodePage(FromUtf8(utf8Answer), "GBK"));
  }

  void OpenSearch() {
    StartItem(u"视频搜索");
    ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  }
  void TypeKeyword(WStringView keyword) {
    // Into the combo's edit field, left of its arrow.
    auto at = driver_->Invoke([this] {
      const ui::Rect r = FindDescendant(driver_->GetUi().ActiveWindow(), 1201)->ScreenRect();
      return ui::Point{r.left + 10, (r.top + r.bottom) / 2};
    });
    driver_->Tap(at);
    driver_->Type(keyword);
    driver_->Sync();
  }
  void TapSearch() { TapControl(1206); }
  std::vector<std::string> RequestTargets() {
    std::vector<std::string> targets;
    for (const auto& request : servers_.Requests()) targets.push_back(request.target);
    return targets;
  }
  size_t CountRequests(const std::string& prefix) {
    size_t n = 0;
    for (const auto& target : RequestTargets()) n += target.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
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
  std::string Playlist() { return PhoneFile("Program Files/Tarvo/temp/Tarvo.m3u"); }
  bool ImageFileExists(const std::string& name) {
    return std::filesystem::exists(dir_.File("phone/fs/Program Files/Tarvo/temp/image/" + name));
  }
  void SaveVideoScreen(const std::string& name) {
    std::filesystem::create_directories("video-screens");
    driver_->SaveScreen("video-screens/" + name + ".png");
  }

  servers::StandInServers servers_;
  // Profile keys set before the launch (e.g. a base below a fault).
  std::vector<std::pair<std::string, std::string>> profileValues_;
  // Every fetch step's limit on the device.
  int fetchTimeoutMs_ = 500;
};

}  // namespace tarvo::testing
