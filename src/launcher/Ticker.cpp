#include "launcher/Ticker.h"

#include <algorithm>
#include <memory>

namespace tarvo {

WString TickerLine(WStringView text) {
  WString line;
  line.reserve(text.size());
  for (char16_t c : text) {
    if (c == u'\r' || c == u'\n' || c == u'\t') {
      line.push_back(u' ');
    } else if (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)) {
      line.push_back(c);
    }
  }
  return line;
}

std::function<uint32_t()> SeededTickerRandom(uint32_t seed) {
  auto engine = std::make_shared<std::mt19937>(seed);
  return [engine] { return static_cast<uint32_t>((*engine)()); };
}

Ticker::Ticker(std::function<int(WStringView)> measure, std::function<uint32_t()> random)
    : measure_(std::move(measure)), random_(std::move(random)) {}

void Ticker::SetScreenWidth(int width) {
  screenWidth_ = width;
  textX_ = width;
  fullRedraw_ = true;
}

void Ticker::ApplyConfig(const TickerConfig& config) {
  config_ = config;
  enabled_ = config.show != 0;
  fullRedraw_ = true;
}

void Ticker::SetMessages(std::vector<TickerMessage> messages) {
  messages_ = std::move(messages);
  currentMessage_ = -1;
}

void Ticker::PickNextMessage(const TickerJokes& jokes) {
  textWidth_ = 0;
  kind_ = 0;
  picked_.reset();
  int candidates[3];
  int count = 0;
  if ((config_.types & kTickerJokes) && jokes.loaded) candidates[count++] = 1;
  if (config_.types & kTickerRepeat) candidates[count++] = 2;
  if (config_.types & kTickerMessages) candidates[count++] = 4;
  const int kind = count > 0 ? candidates[random_() % static_cast<uint32_t>(count)] : 1;
  kind_ = kind;
  if (kind == 1) {
    const size_t jokeCount = jokes.loaded && jokes.count ? jokes.count() : 0;
    if (jokeCount > 0) {
      currentJoke_ = static_cast<int>(random_() % jokeCount);
      text_ = TickerLine(jokes.text(static_cast<size_t>(currentJoke_)));
    }
  } else if (kind == 4) {
    if (!messages_.empty()) {
      currentMessage_ = static_cast<int>(random_() % messages_.size());
      picked_ = messages_[static_cast<size_t>(currentMessage_)];
      text_ = TickerLine(picked_->text);
    }
  }
  textWidth_ = text_.empty() ? 0 : measure_(text_);
}

std::optional<TickerRepaint> Ticker::Tick(const TickerJokes& jokes, const PaintNow& paintNow) {
  if (needNext_ && enabled_) {
    PickNextMessage(jokes);
    needNext_ = false;
  }
  return TickerStep(paintNow);
}

std::optional<TickerRepaint> Ticker::TickerStep(const PaintNow& paintNow) {
  if (text_.empty()) {
    needNext_ = true;
    return std::nullopt;
  }
  TickerRepaint repaint;
  if (fullRedraw_) {
    repaint.full = true;
    repaint.left = 0;
    repaint.right = screenWidth_;
    fullRedraw_ = false;
  } else {
    repaint.left = std::max(0, textX_ - kTickerStepPixels);
    repaint.right = std::min(screenWidth_, textX_ + textWidth_);
  }
  if (paintNow) paintNow(repaint);
  if (std::min(textX_ + textWidth_, screenWidth_) < 0) {
    needNext_ = true;
    textX_ = screenWidth_;
  }
  textX_ -= kTickerStepPixels;
  return repaint;
}

TickerTapAction Ticker::TickerTap() {
  TickerTapAction action;
  if (!Showing()) return action;
  switch (kind_) {
    case 1:
      action.kind = TickerTapAction::Kind::Joke;
      if (currentJoke_ >= 0) action.jokeIndex = currentJoke_;
      break;
    case 2:
      action.kind = TickerTapAction::Kind::Flash;
      break;
    case 4:
      // The message as it was picked, not whatever the list holds now.
      if (picked_ && (picked_->action == 1 || picked_->action == 2)) {
        action.kind = TickerTapAction::Kind::Url;
        action.url = picked_->url;
      }
      break;
    default:
      break;
  }
  if (action.kind != TickerTapAction::Kind::None) colour_ = kTickerRed;
  return action;
}

void Ticker::Restore(const TickerJokes& jokes) {
  colour_ = kTickerBlue;
  fullRedraw_ = true;
  needNext_ = true;
  textX_ = screenWidth_;
  PickNextMessage(jokes);
}

}  // namespace tarvo
