// Reading the hot-video catalogue and the stand-in's query decoding.
#include <gtest/gtest.h>

#include "hot/HotCatalogue.h"
#include "hot/HotRoutes.h"

namespace tarvo::servers::hot {
namespace {

TEST(HotCatalogue, ReadsEachKindAndSkipsUnsafeLines) {
  const HotCatalogue catalogue = ReadHotCatalogue(
      "# comment\n"
      "tudou\tfront\ta1\t一\r\n"
      "tudou\tfront\tb2\t二\n"
      "album\tfront\tc3\t专辑\n"
      "youku\t91\td4\t优\n"
      "index\te5\t首\n"
      "tudou\tfront\tbad id\t空格\n"
      "tudou\tfront\tflv9\t会被改写\n"
      "tudou\tfront\tx1\t<b>标签</b>\n"
      "tudou\tfront\tx2\t看完回顶部\n"
      "youku\t91\tx3\t点下一页\n"
      "index\tx4\thref=x\n"
      "index\tx5\t\xE4\xB8\n"
      "youku\t91\ty1\n"
      "index\t\t无号\n"
      "other\tfront\tz1\t未知\n");
  ASSERT_EQ(catalogue.tudou.at("front").size(), 2u);
  EXPECT_EQ(catalogue.tudou.at("front")[1].id, "b2");
  EXPECT_EQ(catalogue.tudou.at("front")[0].title, "一");
  EXPECT_EQ(catalogue.albums.at("front").size(), 1u);
  EXPECT_EQ(catalogue.youku.at("91").size(), 1u);
  ASSERT_EQ(catalogue.index.size(), 1u);
  EXPECT_EQ(catalogue.index[0].title, "首");
}

TEST(HotCatalogue, IndexPagesOfFive) {
  HotCatalogue catalogue;
  EXPECT_EQ(IndexPageCount(catalogue), 1);
  for (int i = 0; i < 11; ++i) catalogue.index.push_back({"i" + std::to_string(i), "t"});
  EXPECT_EQ(IndexPageCount(catalogue), 3);
  catalogue.index.resize(10);
  EXPECT_EQ(IndexPageCount(catalogue), 2);
}

TEST(HotQuery, ValuesByNameDecoded) {
  EXPECT_EQ(QueryValue("url1=news.tudou.test", "url1"), "news.tudou.test");
  EXPECT_EQ(QueryValue("k=&p=3", "p"), "3");
  EXPECT_EQ(QueryValue("k=&p=3", "k"), "");
  EXPECT_EQ(QueryValue("a=1&url1=x%2Ey&b=2", "url1"), "x.y");
  EXPECT_EQ(QueryValue("url1=50%", "url1"), "50%");
  EXPECT_EQ(QueryValue("url1=%4", "url1"), "%4");
  EXPECT_FALSE(QueryValue("url10=x", "url1"));
  EXPECT_FALSE(QueryValue("", "p"));
}

TEST(HotQuery, EveryIdPlaysAClip) {
  EXPECT_EQ(ClipFor("td0101").rfind("YUV4MPEG2", 0), 0u);
  EXPECT_EQ(ClipFor(""), ClipFor(""));
}

}  // namespace
}  // namespace tarvo::servers::hot
