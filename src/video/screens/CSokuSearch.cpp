#include "video/screens/CSokuSearch.h"

#include <algorithm>

#include "launcher/controls/BoxPrompts.h"
#include "net/SearchOutcome.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "tools/KeywordRecords.h"
#include "video/screens/CSokuVideo.h"

namespace tarvo::video {
namespace {

constexpr char16_t kHelpText[] =
    u"视频搜索程序可以精确搜索您想观看的电视、电影、动漫、综艺、人物、MTV等视频.搜索时尽量使用全称,可以更容易找到推荐视频.";
constexpr int kGap = 6;

bool SameIgnoringCase(WStringView a, WStringView b) {
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

}  // namespace

CSokuSearch::CSokuSearch(CTarvoApp& app) : CVirtualSearch(app, kCaption) { session_.servers = Servers(); }

bool CSokuSearch::OnInitDialog() {
  CVirtualSearch::OnInitDialog();
  if (app_.Keywords.empty())
    LoadKeywordRecords(app_.GetDevice().Files(), app_.SearchRecordPath, app_.Keywords, app_.GetDevice().CodePage());
  keyword_.Create(this, ui::Rect{}, kKeywordId, ui::ComboStyle::DropDown);
  FillKeywords();
  hd_.Create(this, u"高清", ui::Rect{}, kHdId, ui::ButtonStyle::CheckBox);
  blank_.Create(this, u"", ui::Rect{}, kBlankId);
  help_.Create(this, kHelpText, ui::Rect{}, kHelpId, true);
  search_.Create(u"搜 索", ui::Rect{}, this, kSearchId);
  search_.LoadBitmaps(app_.Imaging(), app_.ProgramDir, 182, 181);
  SetDefaultButton(kSearchId);
  LayOut();
  return true;
}

void CSokuSearch::FillKeywords() {
  keyword_.ResetContent();
  for (const WString& record : app_.Keywords) keyword_.AddString(record);
}

void CSokuSearch::LayOut() {
  if (!search_.IsCreated()) return;
  const ScreenMetrics& m = app_.Metrics;
  const ui::Rect client = ClientRect();
  // Above the soft keyboard when it is up, so that it covers no control.
  const int bottom =
      client.bottom - (GetUi().Frame().InputPanelShown() ? GetUi().Frame().InputPanelHeight() : 0);
  const int width = client.Width() - 2 * kGap;
  const int row = m.TextHeight + 8;
  int y = kGap;
  keyword_.MoveWindow(ui::Rect{kGap, y, kGap + width, y + row});
  y += row + kGap;
  const int buttonWidth = 4 * m.CharWidth;
  const int left = (client.Width() - buttonWidth) / 2;
  search_.MoveWindow(ui::Rect{left, y, left + buttonWidth, y + m.ButtonHeight});
  y += m.ButtonHeight + kGap;
  hd_.MoveWindow(ui::Rect{kGap, y, kGap + width, y + row});
  y += row;
  blank_.MoveWindow(ui::Rect{kGap, y, kGap + width, y + kGap});
  y += kGap;
  help_.MoveWindow(ui::Rect{kGap, y, kGap + width, std::max(y, bottom - kGap)});
  MarkLaidOut();
}

bool CSokuSearch::OnCommand(int id, int code) {
  if (id == kSearchId && code == ui::kClicked) {
    Search();
    return true;
  }
  if (id == kRecordsChangedId) {
    const WString typed = keyword_.GetWindowText();
    FillKeywords();
    keyword_.SetEditText(typed);
    return true;
  }
  return CVirtualSearch::OnCommand(id, code);
}

void CSokuSearch::Search() {
  app_.Soku.Clear();
  const WString keyword = keyword_.GetWindowText();
  if (keyword.empty()) {
    ui::MessageBox(this, u"请输入需要搜索的内容！", u"Tarvo", ui::kMbOk | ui::kMbIconExclamation);
    return;
  }
  bool stored = false;
  for (int i = 0; i < keyword_.GetCount() && !stored; ++i) stored = SameIgnoringCase(keyword_.GetLBText(i), keyword);
  if (!stored) {
    app_.Keywords.push_back(keyword);
    keyword_.AddString(keyword);
    AppendKeywordRecord(app_.GetDevice().Files(), app_.SearchRecordPath, keyword, app_.GetDevice().CodePage());
  }
  session_.keyword = keyword;
  session_.hd = hd_.IsChecked() ? 1 : 0;
  const int status = LoadSokuPage(app_, session_, 1);
  BoxPrompts prompts(GetUi());
  if (!ReportSearchOutcome(status, true, app_.GetDevice().Connections(), prompts)) return;
  CSokuVideo(app_, session_, *Thumbnails()).DoModal();
}

}  // namespace tarvo::video
