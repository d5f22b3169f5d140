#pragma once
// The ticker's state and steps, free of any window: which message a pass
// shows, where its text stands, what a tick repaints and what a tap does.
// The launcher drives it on the UI thread from timer 1 and its pen events.
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "launcher/TickerLead.h"
#include "launcher/TickerMessages.h"

namespace tarvo {

inline constexpr int kTickerStepPixels = 10;
inline constexpr uint32_t kTickerBlue = 0x0000FF;
inline constexpr uint32_t kTickerRed = 0xFF0000;

// Where a pass's joke comes from: the joke store as the UI thread sees it.
struct TickerJokes {
  bool loaded = false;  // the start-up load has finished
  std::function<size_t()> count;
  std::function<WString(size_t)> text;
};

// One line: CR, LF and tab become blanks, other control characters go.
WString TickerLine(WStringView text);

// The part of the band a tick repaints, in band x coordinates.
struct TickerRepaint {
  bool full = false;  // the whole band
  int left = 0;
  int right = 0;
};

// What a tap on the band asks of the launcher.
struct TickerTapAction {
  enum class Kind { None, Joke, Flash, Url } kind = Kind::None;
  std::optional<int> jokeIndex;  // Joke: the reader's position
  WString url;                   // Url
};

class Ticker {
 public:
  // measure gives a text's width in pixels; random is the one source of
  // picks, seeded once by whoever makes the ticker.
  Ticker(std::function<int(WStringView)> measure, std::function<uint32_t()> random);

  void SetScreenWidth(int width);
  // A refresh's configuration: Enabled from show, the kinds from type.
  void ApplyConfig(const TickerConfig& config);
  // A refresh's messages take the place of the list; no message is current.
  void SetMessages(std::vector<TickerMessage> messages);

  void PickNextMessage(const TickerJokes& jokes);
  // One timer tick: a pick when one is due, then the step. The step calls
  // paintNow with the part to repaint while the text still stands where this
  // tick shows it, then moves the text on. Returns that part; nullopt when
  // nothing is shown.
  using PaintNow = std::function<void(const TickerRepaint&)>;
  std::optional<TickerRepaint> Tick(const TickerJokes& jokes, const PaintNow& paintNow = {});
  std::optional<TickerRepaint> TickerStep(const PaintNow& paintNow = {});

  // A press on the band while it shows text. Flash and Url (and Joke) turn
  // the text red; the launcher calls Restore when the action is done.
  TickerTapAction TickerTap();
  void Restore(const TickerJokes& jokes);

  bool Enabled() const { return enabled_; }
  bool Showing() const { return enabled_ && !text_.empty(); }
  const TickerConfig& Config() const { return config_; }
  const std::vector<TickerMessage>& Messages() const { return messages_; }
  int CurrentKind() const { return kind_; }
  const WString& CurrentText() const { return text_; }
  int TextWidth() const { return textWidth_; }
  int TextX() const { return textX_; }
  bool NeedNext() const { return needNext_; }
  int CurrentJoke() const { return currentJoke_; }
  int CurrentMessage() const { return currentMessage_; }
  uint32_t TextColour() const { return colour_; }
  // Where the text is drawn, in band x coordinates: from TextX − 10.
  int TextLeft() const { return textX_ - kTickerStepPixels; }

 private:
  std::function<int(WStringView)> measure_;
  std::function<uint32_t()> random_;
  TickerConfig config_;
  std::vector<TickerMessage> messages_;
  bool enabled_ = true;
  int screenWidth_ = 0;
  int kind_ = 0;
  WString text_;
  int textWidth_ = 0;
  int textX_ = 0;
  bool needNext_ = true;
  int currentJoke_ = -1;
  int currentMessage_ = -1;
  // The message of the current pass, kept as it was picked: a refresh may
  // replace the list while it scrolls.
  std::optional<TickerMessage> picked_;
  uint32_t colour_ = kTickerBlue;
  bool fullRedraw_ = false;
};

// The default source: one generator seeded once (the launcher seeds it from
// the UI clock's tick count).
std::function<uint32_t()> SeededTickerRandom(uint32_t seed);

}  // namespace tarvo
