#include "tv/TvPlayer.h"

#include "tools/SystemHelpers.h"
#include "tv/TvAddress.h"

namespace tarvo {

WString TvPlayMessage(TvPlayOutcome outcome) {
  switch (outcome) {
    case TvPlayOutcome::kNoChannel: return kTvNoChannelText;
    case TvPlayOutcome::kNoPlayer: return kTvNoPlayerText;
    case TvPlayOutcome::kRefused:
    case TvPlayOutcome::kStartFailed: return kTvPlayFailedText;
    case TvPlayOutcome::kOpened:
    case TvPlayOutcome::kStarted: break;
  }
  return WString();
}

TvPlayOutcome TvPlayer::Play(WStringView url) {
  if (url.empty()) return TvPlayOutcome::kNoChannel;
  // Addresses come from the network and from hand-edited files: only a
  // stream address reaches the shell.
  if (!IsAcceptedTvAddress(url)) return TvPlayOutcome::kRefused;
  if (ShellOpen(device_, url, u"")) return TvPlayOutcome::kOpened;
  if (!player_) {
    player_ = FindFileInTree(device_.Files(), u"\\", kTvPlayerName);
    if (!player_) return TvPlayOutcome::kNoPlayer;
  }
  return StartProcess(device_, *player_, url, false) ? TvPlayOutcome::kStarted : TvPlayOutcome::kStartFailed;
}

}  // namespace tarvo
