#pragma once
// The hot-video browser "热点视频": the items of a Tudou and a Youku proxy
// page of the hot-video page server in one list, by category and by index
// page; a tap plays the item through "temp\Tarvo.m3u". The pages load on a
// worker that posts one outcome; the screen alone changes its rows and its
// paging state. A new data connection loads again while it is in front.
#include <chrono>
#include <memory>
#include <vector>

#include "net/HttpFetch.h"
#include "platform/ui/BackgroundAction.h"
#include "platform/ui/ListView.h"
#include "video/HotVideoLoad.h"
#include "video/screens/CVirtualDialog.h"

namespace tarvo::video {

// The category items of the "分类" menu, views 1 to 11 in order.
inline constexpr const char16_t* kHotCategoryNames[kHotCategoryCount] = {
    u"热点", u"原创", u"电视剧", u"电影", u"综艺", u"动漫", u"娱乐", u"搞笑", u"IT", u"体育", u"财经"};

class CHotVideo : public CVirtualDialog {
 public:
  static constexpr char16_t kCaption[] = u"热点视频";
  static constexpr int kListId = 994;
  static constexpr int kRefreshCommand = 32800;
  static constexpr int kFirstCategoryCommand = 32801;  // then one per category
  static constexpr int kPreviousCommand = 32812;
  static constexpr int kNextCommand = 32813;
  // A reload or close waits this long at most for the stopped load to end;
  // a stopped fetch ends within a few milliseconds.
  static constexpr std::chrono::milliseconds kStopBound{1000};

  explicit CHotVideo(CTarvoApp& app);
  ~CHotVideo() override;

  const std::vector<HotItem>& Items() const { return items_; }
  const HotBrowseState& State() const { return state_; }
  bool Loading() const { return load_ && load_->IsRunning(); }

  // Plays row r's item.
  void PlayRow(int row);
  // A load's outcome as the UI thread takes it; one of an older run is dropped.
  void TakeLoadOutcome(int generation, HotLoadOutcome outcome);

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;
  intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  void OnOK() override;
  void OnCancel() override;

 protected:
  void LayOut() override;

 private:
  bool DrawRow(ui::ListRowDraw& draw);
  void FillRows();
  void StartLoad();
  void Reload();
  void StopLoad();
  void Turn(HotTurn turn);
  void StopListening();
  void Close(int code);

  WString server_;
  std::vector<WString> channels_;
  HttpFetchTimeouts timeouts_;
  ui::ListView list_;
  std::vector<HotItem> items_;
  HotBrowseState state_;
  uint32_t connectionMessage_ = 0;
  int connectionListener_ = 0;
  bool reloading_ = false;
  bool closing_ = false;
  // Made with the window, whose existence gates the load's posts.
  std::unique_ptr<ui::BackgroundAction> load_;
};

}  // namespace tarvo::video
