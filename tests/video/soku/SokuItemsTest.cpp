#include <gtest/gtest.h>

#include "video/soku/SokuParsers.h"

namespace tarvo::soku {
namespace {

WString Item(WStringView title, WStringView href, WStringView extra = u"",
             WStringView time = u"1:00", WStringView caption = u"cap") {
  WString item = u"<li class=\"item\"><a title=\"" + WString(title) + u"\" href=\"" + WString(href) +
                 u"\"" + WString(extra) + u"><img src=\"img-" + WString(title) + u"\" /></a>";
  if (!time.empty()) item += u"<span class=\"time\">" + WString(time) + u"</span>";
  return item + u"<div class=\"i_title\"><a href=\"#\">" + WString(caption) + u"</a></div></li>";
}

std::vector<VideoRecord> Parse(const WString& page, bool expectOk = true) {
  std::vector<VideoRecord> items;
  EXPECT_EQ(ParseItemList(page, 0, page.size(), items), expectOk);
  return items;
}

TEST(SokuItemList, ReadsTitleLinkImageDurationAndCaption) {
  auto items = Parse(u"<ul class=\"items\">" + Item(u"片", u"http://v/1", u"", u"2:30", u"说<span "
                                                    u"class=\"highlight\">明</span>") + u"</ul>");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].title, u"片");
  EXPECT_EQ(items[0].url, u"http://v/1");
  EXPECT_EQ(items[0].thumb, u"img-片");
  EXPECT_EQ(items[0].duration, u"2:30");
  EXPECT_EQ(items[0].spare, u"说明");
  EXPECT_TRUE(items[0].intro.empty());
}

TEST(SokuItemList, ScriptAndRelativeLinksTakeTheClicklogArgument) {
  WString page = u"<ul class=\"items\">" +
                 Item(u"a", u"javascript:void(0);", u" onclick=\"clicklog('http://v/a')\"") +
                 Item(u"b", u"/rel/b", u" onclick=\"clicklog('http://v/b')\"") +
                 Item(u"c", u"https://v/c", u" onclick=\"clicklog('http://v/other')\"") + u"</ul>";
  auto items = Parse(page);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].url, u"http://v/a");
  EXPECT_EQ(items[1].url, u"http://v/b");
  EXPECT_EQ(items[2].url, u"https://v/c");
}

TEST(SokuItemList, ARelativeLinkWithoutClicklogFailsKeepingEarlierItems) {
  WString page = u"<ul class=\"items\">" + Item(u"a", u"http://v/a") + Item(u"b", u"/rel/b") +
                 Item(u"c", u"http://v/c") + u"</ul>";
  auto items = Parse(page, false);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].title, u"a");
}

TEST(SokuItemList, AnItemWithoutTimeTakesALaterItemsDurationAndTheWalkGoesOnFromThere) {
  WString page = u"<ul class=\"items\">" + Item(u"a", u"http://v/a", u"", u"") +
                 Item(u"b", u"http://v/b", u"", u"9:99", u"bcap") + Item(u"c", u"http://v/c") +
                 u"</ul>";
  auto items = Parse(page);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].title, u"a");
  EXPECT_EQ(items[0].duration, u"9:99");
  EXPECT_EQ(items[0].spare, u"bcap");
  EXPECT_EQ(items[1].title, u"c");
}

TEST(SokuItemList, WithoutAnyTimeTheDurationIsEmpty) {
  auto items = Parse(u"<ul class=\"items\">" + Item(u"a", u"http://v/a", u"", u"") + u"</ul>");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_TRUE(items[0].duration.empty());
}

TEST(SokuItemList, ItemsIsNotMistakenForItem) {
  // "class="items"" alone holds no item.
  std::vector<VideoRecord> items;
  WString page = u"<ul class=\"items\"></ul><div class=\"items\"></div>";
  EXPECT_FALSE(ParseItemList(page, 0, page.size(), items));
  WString one = u"<ul class=\"items\">" + Item(u"a", u"http://v/a") + u"</ul><ul class=\"items\">";
  EXPECT_EQ(Parse(one).size(), 1u);
}

TEST(SokuItemList, ItemsStartingAfterTheEndAreNotTaken) {
  WString first = u"<ul class=\"items\">" + Item(u"a", u"http://v/a");
  WString page = first + Item(u"b", u"http://v/b");
  std::vector<VideoRecord> items;
  ASSERT_TRUE(ParseItemList(page, 0, first.size(), items));
  EXPECT_EQ(items.size(), 1u);
}

TEST(SokuItemList, ACaptionEndingBeyondTheEndIsEmptied) {
  WString page = u"<ul class=\"items\">" + Item(u"a", u"http://v/a");
  std::vector<VideoRecord> items;
  size_t end = page.find(u"class=\"i_title\"");
  ASSERT_TRUE(ParseItemList(page, 0, end, items));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_TRUE(items[0].spare.empty());
}

TEST(SokuItemList, MissingCaptionOrImageFails) {
  std::vector<VideoRecord> items;
  WString noCaption = u"<ul class=\"items\"><li class=\"item\"><a title=\"a\" href=\"http://v\"><img "
                      u"src=\"i\"></li>";
  EXPECT_FALSE(ParseItemList(noCaption, 0, noCaption.size(), items));
  WString noImage = u"<ul class=\"items\"><li class=\"item\"><a title=\"a\" href=\"http://v\">"
                    u"<div class=\"i_title\"><a>c</a></div></li>";
  EXPECT_FALSE(ParseItemList(noImage, 0, noImage.size(), items));
  EXPECT_TRUE(items.empty());
}

TEST(SokuItemList, AListStartingPastTheTextFails) {
  std::vector<VideoRecord> items;
  EXPECT_FALSE(ParseItemList(u"abc", 10, 20, items));
}

}  // namespace
}  // namespace tarvo::soku
