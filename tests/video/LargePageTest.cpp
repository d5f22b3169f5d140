// Pages of thousands of blocks whose optional parts come and go: every
// record must come out as it went in, however far apart the markers lie.
#include <gtest/gtest.h>

#include "platform/text/Utf8.h"
#include "video/YoukuPageParser.h"

namespace tarvo::video {
namespace {

constexpr int kVideos = 5000;

std::string N(int n) { return std::to_string(n); }

bool HasIntro(int i) { return i % 7 == 3 || i % 11 == 0 ? false : true; }

std::string LargePlainPage() {
  std::string page = "<div class=\"vCollDetail\"><ul>";
  for (int i = 0; i < kVideos; ++i) {
    page += "<li class=\"video\"><a href=\"http://v.test/" + N(i) + "\" title=\"标题" + N(i) +
            (i % 5 == 0 ? "&amp;" : "") + "\"><img src=\"http://i.test/" + N(i) +
            ".jpg\"></a><span class=\"time\">" + N(i % 60) + ":00</span>";
    if (HasIntro(i)) page += "<p class=\"vIntro\">介绍" + N(i) + "</p>";
    page += "</li>";
  }
  return page + "</ul></div><!--vCollDetail-->";
}

TEST(LargeYoukuPage, EveryPlainVideoKeepsItsOwnFields) {
  YoukuResult result;
  ASSERT_EQ(ParseYoukuPage(FromUtf8(LargePlainPage()), result, u"http://y.test"), kStatusFound);
  ASSERT_EQ(result.videos.size(), static_cast<size_t>(kVideos));
  for (int i = 0; i < kVideos; ++i) {
    const VideoRecord& video = result.videos[i];
    ASSERT_EQ(video.url, FromUtf8("http://v.test/" + N(i))) << i;
    ASSERT_EQ(video.title, FromUtf8("标题" + N(i))) << i;
    ASSERT_EQ(video.duration, FromUtf8(N(i % 60) + ":00")) << i;
    ASSERT_EQ(video.intro, HasIntro(i) ? FromUtf8("介绍" + N(i)) : WString()) << i;
  }
}

TEST(LargeYoukuPage, AnAbsentSectionEndDoesNotHideTheRest) {
  // Thousands of film blocks with no end marker, followed by plain videos.
  std::string page;
  for (int i = 0; i < 2000; ++i) {
    page += "<div class=\"movieResult\"><a title=\"片" + N(i) + "\" href=\"u\"><img src=\"s\">";
  }
  YoukuResult result;
  ASSERT_EQ(ParseYoukuPage(FromUtf8(page + LargePlainPage()), result, u"http://y.test"),
            kStatusFound);
  EXPECT_EQ(result.flags, static_cast<uint32_t>(kFlagPlainVideos));
  EXPECT_EQ(result.videos.size(), static_cast<size_t>(kVideos));
}

}  // namespace
}  // namespace tarvo::video
