#pragma once
// The launcher: a full-screen dialog showing every launcher item as one
// vertically scrolling grid of icons over the background picture. Dragging
// scrolls it with a spring-back at both ends; a tap starts an item.
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/shell/TarvoApp.h"
#include "launcher/Ticker.h"
#include "platform/ui/Dialog.h"

namespace tarvo {

inline constexpr char16_t kBackgroundMissing[] = u"在Tarvo\\TarvoImage目录下没有找到主背景图片！";
inline constexpr char16_t kBackgroundBroken[] =
    u"主界面背景图片加载失败，可能图片尺寸太大或格式不正确！";

class TickerMailbox;

class CTarvoDlg : public ui::Dialog {
 public:
  static constexpr int kTickerTimer = 1;
  static constexpr int kSpringTimer = 2;
  static constexpr int kTickerPeriodMs = 150;
  static constexpr int kSpringPauseMs = 10;

  explicit CTarvoDlg(CTarvoApp& app);
  ~CTarvoDlg() override;

  // Tools open by their exact title; later screens add theirs here.
  using Tool = std::function<void()>;
  void RegisterTool(WStringView title, Tool tool);
  // The joke reader, opened at jokeIndex when given (the ticker's joke),
  // else where the user read last.
  void OpenJokeReader(std::optional<int> jokeIndex);
  // Starts the item at the 1-based index; 0 or an index past the list does nothing.
  void StartItem(int index);
  // Lays the grid out again for the current items and screen (offset 0).
  void Relayout();
  void Minimise();
  void ComeForward();

  int ScrollOffset() const { return scrollOffset_; }
  int SelectedItem() const { return selectedItem_; }
  bool Dragging() const { return dragging_; }
  bool IsMinimised() const { return minimised_; }
  const ui::Rect& TickerRect() const { return tickerRect_; }
  const Ticker& GetTicker() const { return *ticker_; }
  Ticker& GetTicker() { return *ticker_; }
  // The jokes as the ticker sees them now.
  TickerJokes JokesForTicker() const;
  uint32_t ConnectionMessage() const { return connectionMessage_; }
  // A new connection that is not voice only starts the update check (when
  // the launcher is in front) and the silent joke sync, unless they run.
  void OnConnectionStatus(uint32_t status);

  bool OnInitDialog() override;
  void OnPaint(ui::Canvas& canvas) override;
  void OnPenDown(ui::Point point) override;
  void OnPenMove(ui::Point point) override;
  void OnPenUp(ui::Point point) override;
  void OnTimer(int id) override;
  bool OnKeyDown(int key) override;
  void OnActivate(bool active) override;
  void OnSettingChange(ui::SettingChange change) override;
  intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  // The items' titles and cells where the grid shows them now; the grid
  // rests at its top and, when taller than the screen, at its bottom.
  bool DescribeCellGrid(ui::CellGrid& grid) const override;
  // The ticker's text where the band shows it, and its state under "ticker".
  void DescribePainted(std::vector<ui::PaintedText>& out) const override;
  void DescribeValues(ui::DescribedValues& out) const override;

 private:
  bool LoadBackground();
  void RenderFrameCacheIfNeeded();
  void PaintStrip(ui::Canvas& canvas, int bottom);
  void StartSpringBack();
  bool NormalTemplate();
  void PaintTicker(ui::Canvas& canvas);
  void OnTickerTimer();
  void ApplyTickerRefresh();
  void OnTickerTap();
  void StartTickerTimer();

  CTarvoApp& app_;
  std::map<WString, Tool> tools_;
  std::optional<ui::Canvas> frameCache_;
  WString versionText_;
  int scrollOffset_ = 0;
  int selectedItem_ = 0;
  bool clickCandidate_ = false;
  bool dragging_ = false;
  bool buttonDown_ = false;
  int moveCount_ = 0;
  int64_t pressTime_ = 0;
  int lastY_ = 0;
  int thumbLength_ = 0;
  int stripWidth_ = 6;
  ui::Rect tickerRect_;
  bool landscape_ = false;
  bool minimised_ = false;
  bool toolOpen_ = false;  // a tool that leaves full screen runs
  uint32_t connectionMessage_ = 0;
  int connectionListener_ = 0;
  std::unique_ptr<Ticker> ticker_;
  std::shared_ptr<TickerMailbox> tickerMailbox_;
  uint32_t tickerMessage_ = 0;
};

}  // namespace tarvo
