// The reader's text area and layout: taps and drags on a long joke that
// shows the scroll bar, the screen turned, the input panel raised.
#include "JokeReaderFixture.h"
#include "platform/ui/Edit.h"

namespace tarvo {
namespace {

using ui::Point;
using ui::Rect;

class JokeReaderLayoutTest : public JokeReaderFixture {
 protected:
  // Joke 28 of the sample runs past the text area at 240x320.
  void ShowLongJoke() {
    TypeInPageBox(u"28");
    TapControl(CJoke::kJumpId);
    ASSERT_EQ(Heading(), u"笑话 28");
  }
  template <class F>
  auto OnText(F fn) {
    return driver_->Invoke([this, fn] {
      auto* text = dynamic_cast<ui::Edit*>(testing::FindDescendant(driver_->GetUi().ActiveWindow(), CJoke::kTextId));
      return fn(*text);
    });
  }
  bool TextOverflows() {
    return OnText([](ui::Edit& text) { return text.LineCount() > text.VisibleLineCount(); });
  }
  int FirstLine() {
    return OnText([](ui::Edit& text) { return text.FirstVisibleLine(); });
  }
  void ScrollToTop() {
    OnText([](ui::Edit& text) {
      text.LineScroll(-text.LineCount());
      return 0;
    });
  }
  int ScrollBarWidth() { return driver_->Invoke([this] { return driver_->GetUi().ScrollBarWidth(); }); }
  void TapAt(Point point) {
    driver_->Tap(point);
    driver_->Sync();
  }
  // The reader's rows in a client rectangle whose usable bottom is `bottom`,
  // with the metrics of a screen whose shorter side is 240: text 18 high,
  // buttons 45 x 24.
  void ExpectLayout(int screenWidth, const Rect& client, int bottom) {
    const int rowTop = bottom - 24;
    EXPECT_EQ(HeadingRect(), (Rect{client.left + screenWidth / 3, client.top + 10, client.right, client.top + 28}));
    EXPECT_EQ(TextRect(), (Rect{client.left, client.top + 33, client.right, rowTop - 5}));
    EXPECT_EQ(ControlRect(CJoke::kPreviousId), (Rect{client.left, rowTop, client.left + 45, bottom}));
    EXPECT_EQ(ControlRect(CJoke::kNextId), (Rect{client.left + 50, rowTop, client.left + 95, bottom}));
    EXPECT_EQ(ControlRect(CJoke::kPageId), (Rect{client.left + 100, rowTop, client.right - 50, bottom}));
    EXPECT_EQ(ControlRect(CJoke::kJumpId), (Rect{client.right - 45, rowTop, client.right, bottom}));
  }
  // The reader open on the long joke, its scroll bar shown.
  void OpenOnLongJoke() {
    ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
    ASSERT_NO_FATAL_FAILURE(ShowLongJoke());
    ASSERT_TRUE(TextOverflows());
  }
  Rect WorkArea() { return driver_->Invoke([this] { return driver_->GetUi().Frame().WorkArea(); }); }
};

TEST_F(JokeReaderLayoutTest, WithTheScrollBarShownTheHalvesDivideTheWidthLeftOfIt) {
  ASSERT_NO_FATAL_FAILURE(OpenOnLongJoke());
  const Rect text = TextRect();
  const int w = text.Width() - ScrollBarWidth();
  const int y = text.top + 10;
  TapAt(Point{text.left + w / 2 - 2, y});  // last pixel of the left half
  EXPECT_EQ(Heading(), u"笑话 27");
  ShowLongJoke();
  TapAt(Point{text.left + w / 2 + 1, y});  // first pixel of the right half
  EXPECT_EQ(Heading(), u"笑话 29");
  ShowLongJoke();
  // The two middle pixels turn nothing, though the whole width's left half holds them.
  TapAt(Point{text.left + w / 2 - 1, y});
  TapAt(Point{text.left + w / 2, y});
  EXPECT_EQ(Heading(), u"笑话 28");
}

TEST_F(JokeReaderLayoutTest, ATapOnTheScrollBarOnlyScrolls) {
  ASSERT_NO_FATAL_FAILURE(OpenOnLongJoke());
  const Rect text = TextRect();
  const int bar = ScrollBarWidth();
  // The bar runs along the right edge inside the area's two-pixel frame;
  // below its thumb every column of it scrolls a page down.
  for (int x = text.right - 2 - bar; x < text.right - 2; ++x) {
    ScrollToTop();
    TapAt(Point{x, text.bottom - 10});
    EXPECT_GT(FirstLine(), 0) << "column " << x - text.left;
    EXPECT_EQ(Heading(), u"笑话 28") << "column " << x - text.left;
  }
  // Right of the bar, on the frame: no page either.
  ScrollToTop();
  TapAt(Point{text.right - 1, text.top + 10});
  EXPECT_EQ(Heading(), u"笑话 28");
  EXPECT_EQ(ShownJoke().rfind(u"    周末的早上", 0), 0u);
}

TEST_F(JokeReaderLayoutTest, ADragOfTwoMovesTurnsNoPageAndOneMoveCountsAsATapWhereItEnds) {
  ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
  const Rect text = TextRect();
  const int y = text.top + 20;
  const Point left{text.left + 20, y}, right{text.left + text.Width() - 20, y};
  // One move: a tap, judged by where the pen comes up.
  driver_->PenDown(left);
  driver_->PenMove(right);
  driver_->PenUp(right);
  driver_->Sync();
  EXPECT_EQ(Heading(), u"笑话 2");
  // Two moves or more: a drag, wherever it starts and ends.
  for (auto [from, to] : {std::pair{right, right}, std::pair{left, right}, std::pair{right, left}}) {
    driver_->PenDown(from);
    driver_->PenMove(Point{from.x, from.y + 1});
    driver_->PenMove(to);
    driver_->PenUp(to);
    driver_->Sync();
    EXPECT_EQ(Heading(), u"笑话 2");
  }
  driver_->Drag(left, Point{left.x + 5, y + 40});
  driver_->Sync();
  EXPECT_EQ(Heading(), u"笑话 2");
  // The count starts afresh with the next press.
  TapAt(right);
  EXPECT_EQ(Heading(), u"笑话 3");
  // Dragging the scroll bar's thumb scrolls the long joke and turns nothing.
  ShowLongJoke();
  ASSERT_TRUE(TextOverflows());
  const int barX = text.right - 2 - ScrollBarWidth() / 2;
  driver_->Drag(Point{barX, text.top + 4}, Point{barX, text.bottom - 4}, 8);
  driver_->Sync();
  EXPECT_GT(FirstLine(), 0);
  EXPECT_EQ(Heading(), u"笑话 28");
}

TEST_F(JokeReaderLayoutTest, TurningTheScreenLaysTheReaderOutAgain) {
  ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
  ExpectLayout(240, ReaderRect(), ReaderRect().bottom);
  driver_->Invoke([this] { driver_->GetUi().Rotate(); });
  driver_->Sync();
  const Rect landscape = ReaderRect();
  EXPECT_EQ(landscape, WorkArea());
  EXPECT_EQ(landscape.Width(), 320);
  ExpectLayout(320, landscape, landscape.bottom);
  EXPECT_TRUE(driver_->SaveScreen("joke-landscape-320x240.png"));
  EXPECT_EQ(Heading(), u"笑话 1");
  EXPECT_EQ(ShownJoke().rfind(u"    小刘第一次坐飞机", 0), 0u);
  // The halves follow the new width.
  const Rect text = TextRect();
  TapAt(Point{text.left + text.Width() / 2 + 1, text.top + 10});
  EXPECT_EQ(Heading(), u"笑话 2");
  driver_->Invoke([this] { driver_->GetUi().Rotate(); });
  driver_->Sync();
  EXPECT_EQ(ReaderRect().Width(), 240);
  ExpectLayout(240, ReaderRect(), ReaderRect().bottom);
}

TEST_F(JokeReaderLayoutTest, ARaisedInputPanelLiftsTheRowsAndTheyGoBackWhenItIsLowered) {
  ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
  const Rect client = ReaderRect();
  // The input-panel button sits in the middle of the bottom bar.
  const Rect bar = driver_->Invoke([this] {
    return driver_->GetUi().Frame().BottomBarRect(driver_->GetUi().FrameOwner());
  });
  ASSERT_FALSE(bar.IsEmpty());
  const Point sipButton{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
  TapAt(sipButton);
  ASSERT_TRUE(driver_->Invoke([this] { return driver_->GetUi().Frame().InputPanelShown(); }));
  const int panel = driver_->Invoke([this] { return driver_->GetUi().Frame().InputPanelHeight(); });
  EXPECT_EQ(ReaderRect(), client);
  ExpectLayout(240, client, client.bottom - panel);
  EXPECT_TRUE(driver_->SaveScreen("joke-input-panel-240x320.png"));
  TapAt(sipButton);
  ASSERT_FALSE(driver_->Invoke([this] { return driver_->GetUi().Frame().InputPanelShown(); }));
  ExpectLayout(240, client, client.bottom);
}

}  // namespace
}  // namespace tarvo
