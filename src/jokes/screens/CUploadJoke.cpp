#include "jokes/screens/CUploadJoke.h"

#include <algorithm>

#include "jokes/FormValidation.h"
#include "jokes/JokeCategories.h"
#include "jokes/screens/AccountWait.h"
#include "jokes/screens/FormRows.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"

namespace tarvo {
namespace {

constexpr char16_t kTitleLabel[] = u"笑话标题:";
constexpr char16_t kCategoryLabel[] = u"笑话分类:";

}  // namespace

CUploadJoke::CUploadJoke(CTarvoApp& app, WString userName)
    : ui::Dialog(app.GetUi(), kUploadTitle), app_(app), userName_(std::move(userName)) {}

CUploadJoke::~CUploadJoke() {
  if (exchange_) exchange_->StopAndJoin();
}

bool CUploadJoke::OnInitDialog() {
  ui::MenuBar bar;
  bar.Add(u"上传", kUploadCommand);
  bar.Add(u"粘贴", kPasteCommand);
  SetMenuBar(bar);
  SetOkButton(true);

  titleLabel_.Create(this, kTitleLabel, ui::Rect{}, kTitleLabelId);
  title_.Create(this, ui::Rect{}, kTitleId);
  categoryLabel_.Create(this, kCategoryLabel, ui::Rect{}, kCategoryLabelId);
  category_.Create(this, ui::Rect{}, kCategoryId, ui::ComboStyle::DropDownList);
  for (const char16_t* category : kJokeCategories) category_.AddString(category);
  category_.SetCurSel(0);
  ui::EditStyle multiLine;
  multiLine.multiLine = true;
  body_.Create(this, ui::Rect{}, kBodyId, multiLine);
  body_.SetLimitText(kMaxJokeBodyLength);
  exchange_ = std::make_unique<ui::BackgroundAction>(*this);
  Layout();
  return true;
}

void CUploadJoke::Layout() {
  const ui::Font& font = GetFont();
  const int titleWidth = font.TextWidth(kTitleLabel);
  const int categoryWidth = font.TextWidth(kCategoryLabel);
  const ui::Rect client = ClientRect();
  int bottom = client.bottom;
  ui::PhoneFrame& frame = GetUi().Frame();
  if (frame.InputPanelShown()) bottom -= frame.InputPanelHeight();
  FormRows rows(app_.Metrics, client.Width(), std::max(titleWidth, categoryWidth));
  titleLabel_.MoveWindow(rows.Label(0, titleWidth));
  title_.MoveWindow(rows.Field(0));
  categoryLabel_.MoveWindow(rows.Label(1, categoryWidth));
  category_.MoveWindow(rows.Field(1));
  body_.MoveWindow(rows.Rest(2, bottom));
  Invalidate();
}

void CUploadJoke::Tell(WStringView text) { ui::MessageBox(this, text, u"Tarvo", ui::kMbOk); }

void CUploadJoke::Upload() {
  if (uploading_) return;
  UploadRequest request{title_.Text(), category_.GetWindowText(), body_.Text(), userName_};
  if (auto refusal = ValidateUpload(request.title, request.body)) {
    Tell(*refusal);
    return;
  }
  const UploadOutcome outcome = Exchange(request);
  if (outcome.end == ExchangeEnd::kStopped || !IsCreated() || GetUi().QuitRequested()) return;
  // The server's text as it came, whatever it says; ours when it failed.
  Tell(outcome.message);
}

UploadOutcome CUploadJoke::Exchange(const UploadRequest& request) {
  const AccountSetup setup = AccountSetupFor(app_);
  auto result = std::make_shared<std::optional<UploadOutcome>>();
  uploading_ = true;
  const WaitEnd end = RunAndWait(
      GetUi(), *exchange_,
      [setup, request, result](ui::BackgroundAction::Context& context) {
        AccountExchangeSettings settings = setup.settings;
        settings.stop = context.StopFlag();
        UploadOutcome outcome = tarvo::Upload(AccountOpener(setup, context.StopFlag()), request, settings);
        context.Post([result, outcome] { *result = outcome; });
      },
      setup.WaitBound());
  uploading_ = false;
  if (end == WaitEnd::kProgramEnded) return UploadOutcome{ExchangeEnd::kStopped, std::nullopt, {}};
  if (end == WaitEnd::kTimedOut || !result->has_value()) {
    return UploadOutcome{ExchangeEnd::kFailed, std::nullopt, kUploadFailedMessage};
  }
  return **result;
}

void CUploadJoke::Paste() {
  const WString& clip = GetUi().ClipboardText();
  if (clip.empty()) return;
  if (title_.HasFocus()) {
    title_.SetWindowText(clip);
  } else if (body_.HasFocus()) {
    body_.SetWindowText(clip);
  }
}

bool CUploadJoke::OnCommand(int id, int code) {
  switch (id) {
    case kUploadCommand: Upload(); return true;
    case kPasteCommand: Paste(); return true;
    default: break;
  }
  return ui::Dialog::OnCommand(id, code);
}

bool CUploadJoke::OnKeyDown(int key) {
  if (key == ui::keys::kReturn) return true;  // Enter closes nothing here
  return ui::Dialog::OnKeyDown(key);
}

void CUploadJoke::OnSettingChange(ui::SettingChange change) {
  ui::Dialog::OnSettingChange(change);
  Layout();
}

}  // namespace tarvo
