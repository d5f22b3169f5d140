#include "sites/SiteGrid.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(SiteGrid, ColumnsFollowTheFormulaAndNeverDropBelowOne) {
  EXPECT_EQ(SiteGridColumns(240, 13, 5 * 18), 2);
  EXPECT_EQ(SiteGridColumns(320, 13, 5 * 18), 3);
  EXPECT_EQ(SiteGridColumns(480, 13, 5 * 36), 2);
  EXPECT_EQ(SiteGridColumns(40, 13, 90), 1);
  EXPECT_EQ(SiteGridColumns(0, 13, 90), 1);
  EXPECT_EQ(SiteGridColumnWidth(240, 13, 2), 113);
  EXPECT_EQ(SiteGridColumnWidth(5, 13, 1), 0);
}

TEST(SiteGrid, SitesFillRowsFromTheLeft) {
  EXPECT_EQ(PlaceSites(3, 2), (std::vector<SiteCell>{{0, 0}, {0, 1}, {1, 0}}));
}

TEST(SiteGrid, WithOneColumnEachSiteHasItsOwnRow) {
  EXPECT_EQ(PlaceSites(3, 1), (std::vector<SiteCell>{{0, 0}, {1, 0}, {2, 0}}));
  EXPECT_EQ(PlaceSites(2, 0), (std::vector<SiteCell>{{0, 0}, {1, 0}}));
}

TEST(SiteGrid, OnlyLongEnoughUrlsLoseTheirFirstSevenCharacters) {
  EXPECT_EQ(SiteUrlShown(u"http://www.x.cn"), u"www.x.cn");
  EXPECT_EQ(SiteUrlShown(u"http://"), u"");
  EXPECT_EQ(SiteUrlShown(u"ftp:/"), u"ftp:/");
}

}  // namespace
}  // namespace tarvo
