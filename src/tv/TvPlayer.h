#pragma once
// Playing a channel: the shell's association for the address first, else the
// stream player "player.exe" found anywhere on the phone (the path found is
// kept for the player's life; a search that finds none is made again next
// time) with the address as its whole command line.
#include <optional>

#include "platform/device/Device.h"
#include "platform/text/WString.h"

namespace tarvo {

enum class TvPlayOutcome {
  kNoChannel,    // empty address
  kRefused,      // an address the channel dialog would not accept
  kOpened,       // the shell's association took it
  kNoPlayer,     // no player.exe anywhere
  kStarted,      // the player was started
  kStartFailed,  // the player was found but did not start
};

inline constexpr char16_t kTvPlayerName[] = u"player.exe";
inline constexpr char16_t kTvNoChannelText[] = u"未选中要播放的电视！";
inline constexpr char16_t kTvNoPlayerText[] = u"在您的手机中未发现CorePlayer！";
inline constexpr char16_t kTvPlayFailedText[] = u"播放失败！";

// The message a play outcome shows; empty when the play went ahead.
WString TvPlayMessage(TvPlayOutcome outcome);

class TvPlayer {
 public:
  explicit TvPlayer(Device& device) : device_(device) {}

  TvPlayOutcome Play(WStringView url);
  const std::optional<WString>& CachedPlayer() const { return player_; }

 private:
  Device& device_;
  std::optional<WString> player_;
};

}  // namespace tarvo
