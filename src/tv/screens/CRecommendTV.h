#pragma once
// The net TV screen: the user's channels, then the recommended ones fetched
// from the content server; a tap plays the channel. Its menu shows help,
// fetches the recommended list again and opens the my-TV editor. A new
// data connection fetches again while the screen is in front.
#include <memory>
#include <vector>

#include "app/shell/TarvoApp.h"
#include "platform/ui/BackgroundAction.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListView.h"
#include "tv/MyTvFile.h"
#include "tv/TvListFetch.h"
#include "tv/TvPlayer.h"

namespace tarvo {

inline constexpr char16_t kTvHelpText[] =
    u"选中某个网络电视即可用关联好mms,rtsp协议的的播放器观看网络电视。\r\n"
    u"我的电视中可以自己添加喜欢的电视，并且会出现在列表的最前面。\r\n"
    u"如果列表中没有推荐电视，可以在网络顺畅的时候点击刷新推荐电视";
inline constexpr char16_t kTvRefetchQuestion[] = u"已经有推荐电视了，是否重新下载最新的推荐电视？";

class CRecommendTV : public ui::Dialog {
 public:
  static constexpr char16_t kCaption[] = u"电视直播";
  static constexpr int kListId = 994;
  static constexpr int kHelpCommand = 32793;
  static constexpr int kRefreshCommand = 32792;
  static constexpr int kMyTvCommand = 32788;
  // A refresh or close waits this long at most for the fetch to end; a
  // stopped fetch ends within a few milliseconds.
  static constexpr std::chrono::milliseconds kStopBound{1000};

  explicit CRecommendTV(CTarvoApp& app);
  ~CRecommendTV() override;

  const std::vector<TvChannel>& MyTv() const { return myTv_; }
  const std::vector<TvChannel>& Recommended() const { return recommended_; }
  bool Fetching() const { return fetch_ && fetch_->IsRunning(); }
  const TvPlayer& Player() const { return player_; }

  // Plays row r: my TV first, then the recommended channels.
  void PlayRow(int row);
  // The fetch's result as the UI thread takes it; results of an older run are dropped.
  void TakeFetchResult(int generation, TvFetchResult result);

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;
  void OnSettingChange(ui::SettingChange change) override;
  intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  bool OnTapAndHold(ui::Point point) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void PlaceControls();
  void FillRows();
  void StartFetch();
  void Refresh();
  void OpenMyTv();
  void StopListening();
  void Close(int code);
  void Tell(WStringView text);

  CTarvoApp& app_;
  ui::ListView list_;
  MyTvFile myTvFile_;
  std::vector<TvChannel> myTv_;
  std::vector<TvChannel> recommended_;
  TvPlayer player_;
  uint32_t connectionMessage_ = 0;
  int connectionListener_ = 0;
  bool landscape_ = false;
  // Made with the window, whose existence gates the fetch's posts.
  std::unique_ptr<ui::BackgroundAction> fetch_;
};

}  // namespace tarvo
