// A long Soku item list in which most items lack a duration: each takes the
// next duration found and the walk resumes there, exactly as on a short page.
#include <gtest/gtest.h>

#include "platform/text/Utf8.h"
#include "video/soku/SokuParsers.h"

namespace tarvo::soku {
namespace {

std::string N(int n) { return std::to_string(n); }

TEST(LargeSokuPage, ItemsWithoutTimeChainToTheNextTimedItem) {
  constexpr int kItems = 3000;
  std::string page = "<!--普通项--><ul class=\"items\">";
  for (int i = 0; i < kItems; ++i) {
    page += "<li class=\"item\"><a title=\"t" + N(i) + "\" href=\"http://v/" + N(i) +
            "\"><img src=\"i" + N(i) + "\"></a>";
    if (i % 3 == 2) page += "<span class=\"time\">" + N(i) + "</span>";
    page += "<div class=\"i_title\"><a>c" + N(i) + "</a></div></li>";
  }
  page += "</ul><!--items end-->";
  SokuResults results;
  ASSERT_EQ(ParseSokuPage(results, FromUtf8(page), u"http://so.test"), kSokuFound);
  // Item 3k lacks a time, takes item 3k+2's, and the walk goes on after
  // item 3k+2's caption: one record per three items.
  ASSERT_EQ(results.items.size(), static_cast<size_t>(kItems / 3));
  for (int k = 0; k < kItems / 3; ++k) {
    const VideoRecord& item = results.items[k];
    ASSERT_EQ(item.title, FromUtf8("t" + N(3 * k))) << k;
    ASSERT_EQ(item.duration, FromUtf8(N(3 * k + 2))) << k;
    ASSERT_EQ(item.spare, FromUtf8("c" + N(3 * k + 2))) << k;
  }
}

}  // namespace
}  // namespace tarvo::soku
