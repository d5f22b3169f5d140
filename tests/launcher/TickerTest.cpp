#include "launcher/Ticker.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

// Every character is 10 pixels wide; picks come from a fixed list.
class TickerTest : public ::testing::Test {
 protected:
  TickerTest()
      : ticker_([](WStringView text) { return static_cast<int>(text.size()) * 10; },
                [this] { return picks_.empty() ? 0u : Next(); }) {
    ticker_.SetScreenWidth(240);
    jokes_.loaded = true;
    jokes_.count = [this] { return jokeTexts_.size(); };
    jokes_.text = [this](size_t i) { return jokeTexts_[i]; };
  }
  uint32_t Next() {
    uint32_t v = picks_.front();
    picks_.erase(picks_.begin());
    return v;
  }
  void Configure(int types) {
    TickerConfig config;
    config.types = types;
    ticker_.ApplyConfig(config);
  }

  std::vector<uint32_t> picks_;
  std::vector<WString> jokeTexts_{u"一个笑话\r\n第二行", u"另一个\t笑话"};
  TickerJokes jokes_;
  Ticker ticker_;
};

TEST_F(TickerTest, SeededPicksAreRepeatable) {
  auto a = SeededTickerRandom(1234), b = SeededTickerRandom(1234), c = SeededTickerRandom(99);
  std::vector<uint32_t> first, second, third;
  for (int i = 0; i < 5; ++i) {
    first.push_back(a());
    second.push_back(b());
    third.push_back(c());
  }
  EXPECT_EQ(first, second);
  EXPECT_NE(first, third);
}

TEST_F(TickerTest, AJokePassShowsTheJokeOnOneLine) {
  picks_ = {0, 0};  // kind 1 of the one candidate, joke 0
  ticker_.PickNextMessage(jokes_);
  EXPECT_EQ(ticker_.CurrentKind(), 1);
  EXPECT_EQ(ticker_.CurrentJoke(), 0);
  EXPECT_EQ(ticker_.CurrentText(), u"一个笑话  第二行");
  EXPECT_EQ(ticker_.TextWidth(), 90);
  EXPECT_EQ(TickerLine(u"a\tb\x01\x7F" u"c"), u"a bc");
}

TEST_F(TickerTest, TypesZeroFallsBackToJokes) {
  Configure(0);
  picks_ = {1};  // the joke only: no choice of kind is made
  ticker_.PickNextMessage(jokes_);
  EXPECT_EQ(ticker_.CurrentKind(), 1);
  EXPECT_EQ(ticker_.CurrentText(), u"另一个 笑话");
}

TEST_F(TickerTest, JokesNotLoadedAreNoCandidate) {
  Configure(kTickerJokes | kTickerMessages);
  ticker_.SetMessages({{0, u"", u"服务器消息"}});
  jokes_.loaded = false;
  picks_ = {7, 0};  // 7 mod 1: the message kind
  ticker_.PickNextMessage(jokes_);
  EXPECT_EQ(ticker_.CurrentKind(), 4);
  EXPECT_EQ(ticker_.CurrentText(), u"服务器消息");
}

TEST_F(TickerTest, KindTwoKeepsThePreviousTextAndOnlyFlashes) {
  Configure(kTickerJokes | kTickerRepeat);
  picks_ = {0, 1, 1};  // a joke, then kind 2
  ticker_.PickNextMessage(jokes_);
  ticker_.PickNextMessage(jokes_);
  EXPECT_EQ(ticker_.CurrentKind(), 2);
  EXPECT_EQ(ticker_.CurrentText(), u"另一个 笑话");
  EXPECT_EQ(ticker_.TickerTap().kind, TickerTapAction::Kind::Flash);
  EXPECT_EQ(ticker_.TextColour(), kTickerRed);
  picks_ = {0, 0};
  ticker_.Restore(jokes_);
  EXPECT_EQ(ticker_.TextColour(), kTickerBlue);
  EXPECT_TRUE(ticker_.NeedNext());
  EXPECT_EQ(ticker_.TextX(), 240);
}

TEST_F(TickerTest, ATextOfThreeHundredPixelsIsGoneAfterFiftyFourTicks) {
  jokeTexts_ = {WString(30, u'x')};
  picks_ = {0, 0};
  std::vector<int> rightEdges;  // where each tick's paint shows the text's end
  auto paint = [&](const TickerRepaint&) { rightEdges.push_back(ticker_.TextLeft() + ticker_.TextWidth()); };
  for (int tick = 1; tick <= 54; ++tick) ticker_.Tick(jokes_, paint);
  ASSERT_EQ(rightEdges.size(), 54u);
  EXPECT_EQ(ticker_.TextWidth(), 300);
  EXPECT_EQ(rightEdges.front(), 530);  // from 230: TextX − 10
  EXPECT_GT(rightEdges[52], 0);        // still in sight at tick 53
  EXPECT_LE(rightEdges[53], 0);        // gone at tick 54
  ticker_.Tick(jokes_, paint);
  ticker_.Tick(jokes_, paint);
  EXPECT_TRUE(ticker_.NeedNext());  // then the next pass is asked for
  EXPECT_EQ(ticker_.TextX(), 230);
}

TEST_F(TickerTest, ATickRepaintsTheStripBehindTheText) {
  picks_ = {0, 0};
  auto repaint = ticker_.Tick(jokes_);
  ASSERT_TRUE(repaint);
  EXPECT_TRUE(repaint->full);  // the first pass after the configuration
  repaint = ticker_.Tick(jokes_);
  ASSERT_TRUE(repaint);
  EXPECT_FALSE(repaint->full);
  EXPECT_EQ(repaint->left, 220);
  EXPECT_EQ(repaint->right, 240);
}

TEST_F(TickerTest, NoTextAsksForTheNextPass) {
  jokeTexts_.clear();
  EXPECT_FALSE(ticker_.Tick(jokes_).has_value());
  EXPECT_TRUE(ticker_.NeedNext());
  EXPECT_EQ(ticker_.TickerTap().kind, TickerTapAction::Kind::None);
}

TEST_F(TickerTest, AMessageTapUsesThePickedMessageEvenAfterARefresh) {
  Configure(kTickerMessages);
  ticker_.SetMessages({{0, u"", u"零"}, {1, u"http://a/1", u"一"}, {2, u"http://a/2", u"二"}});
  picks_ = {0, 1};
  ticker_.PickNextMessage(jokes_);
  ASSERT_EQ(ticker_.CurrentText(), u"一");
  ticker_.SetMessages({{0, u"", u"新"}});  // a refresh replaced the list
  auto tap = ticker_.TickerTap();
  EXPECT_EQ(tap.kind, TickerTapAction::Kind::Url);
  EXPECT_EQ(tap.url, u"http://a/1");
  picks_ = {0, 0};
  ticker_.Restore(jokes_);
  EXPECT_EQ(ticker_.CurrentText(), u"新");
  EXPECT_EQ(ticker_.TickerTap().kind, TickerTapAction::Kind::None);  // action 0
  EXPECT_EQ(ticker_.TextColour(), kTickerBlue);
}

TEST_F(TickerTest, AJokeTapNamesTheJoke) {
  picks_ = {0, 1};
  ticker_.PickNextMessage(jokes_);
  auto tap = ticker_.TickerTap();
  EXPECT_EQ(tap.kind, TickerTapAction::Kind::Joke);
  EXPECT_EQ(tap.jokeIndex, 1);
}

TEST_F(TickerTest, ShowZeroDisables) {
  TickerConfig config;
  config.show = 0;
  ticker_.ApplyConfig(config);
  EXPECT_FALSE(ticker_.Enabled());
  picks_ = {0, 0};
  EXPECT_FALSE(ticker_.Tick(jokes_).has_value());
  EXPECT_FALSE(ticker_.Showing());
}

}  // namespace
}  // namespace tarvo
