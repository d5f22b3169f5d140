#include "launcher/controls/JoinedRow.h"

#include <gtest/gtest.h>

#include "platform/ui/Ui.h"

namespace tarvo {
namespace {

TEST(JoinedRowText, BothTextsWithTwoBlanksBetween) {
  ui::Ui ui;
  EXPECT_EQ(JoinedRowText(ui.NormalFont(), u"央视", u"mms://a", 1000), u"央视  mms://a");
  EXPECT_EQ(JoinedRowText(ui.NormalFont(), u"央视", u"", 1000), u"央视  ");
}

TEST(JoinedRowText, ALineThatExactlyReachesTheWidthIsCut) {
  ui::Ui ui;
  const ui::Font& font = ui.NormalFont();
  const int width = font.TextWidth(u"新闻频道  mms://x");
  EXPECT_EQ(JoinedRowText(font, u"新闻频道", u"mms://x", width + 1), u"新闻频道  mms://x");
  // The last character reaches the width: it and the one before give way to "..".
  EXPECT_EQ(JoinedRowText(font, u"新闻频道", u"mms://x", width), u"新闻频道  mms:..");
}

TEST(JoinedRowText, ANarrowRoomNeverCutsBelowNothing) {
  ui::Ui ui;
  EXPECT_EQ(JoinedRowText(ui.NormalFont(), u"新闻", u"x", 1), u"..");
  EXPECT_EQ(JoinedRowText(ui.NormalFont(), u"新闻", u"x", 0), u"..");
}

}  // namespace
}  // namespace tarvo
