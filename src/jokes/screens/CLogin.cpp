#include "jokes/screens/CLogin.h"

#include <algorithm>

#include "jokes/FormValidation.h"
#include "jokes/screens/AccountWait.h"
#include "jokes/screens/CUploadJoke.h"
#include "jokes/screens/FormRows.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"

namespace tarvo {
namespace {

constexpr char16_t kNameLabel[] = u"用户名:";
constexpr char16_t kPasswordLabel[] = u"密码:";
constexpr char16_t kRememberCaption[] = u"记住密码";
constexpr char16_t kAutoLoginCaption[] = u"自动登录";

}  // namespace

CLogin::CLogin(CTarvoApp& app) : ui::Dialog(app.GetUi(), kLoginTitle), app_(app) {}

CLogin::~CLogin() {
  if (exchange_) exchange_->StopAndJoin();
}

LoginRecords CLogin::Records() {
  Device& device = app_.GetDevice();
  return LoginRecords(app_.Accounts, device.Files(), app_.AccountFile, app_.Config(), app_.ConfigPath,
                      device.CodePage());
}

bool CLogin::OnInitDialog() {
  ui::MenuBar bar;
  bar.Add(u"登录", kLoginCommand);
  bar.Add(u"清除记录", kClearCommand);
  SetMenuBar(bar);
  SetOkButton(true);

  nameLabel_.Create(this, kNameLabel, ui::Rect{}, kNameLabelId);
  name_.Create(this, ui::Rect{}, kNameId, ui::ComboStyle::DropDown);
  passwordLabel_.Create(this, kPasswordLabel, ui::Rect{}, kPasswordLabelId);
  ui::EditStyle masked;
  masked.password = true;
  password_.Create(this, ui::Rect{}, kPasswordId, masked);
  remember_.Create(this, kRememberCaption, ui::Rect{}, kRememberId, ui::ButtonStyle::CheckBox);
  autoLogin_.Create(this, kAutoLoginCaption, ui::Rect{}, kAutoLoginId, ui::ButtonStyle::CheckBox);
  note_.Create(this, kLoginNote, ui::Rect{}, kNoteId, true);
  exchange_ = std::make_unique<ui::BackgroundAction>(*this);
  Layout();

  LoginRecords records = Records();
  records.EnsureLoaded();
  FillNames();
  if (auto preselected = records.Preselected()) {
    name_.SetCurSel(records.Settings().index - 1);
    password_.SetWindowText(preselected->password);
  }
  const LoginSettings settings = records.Settings();
  remember_.SetCheck(settings.rememberPassword);
  autoLogin_.SetCheck(settings.autoLogin);
  if (records.AutoLoginAccount()) {
    // Once the dialog shows, as if "登录" had been chosen.
    ui::Ui& ui = GetUi();
    ui.PostTask([&ui, handle = Handle()] {
      if (auto* login = dynamic_cast<CLogin*>(ui.FromHandle(handle))) login->LogIn(true);
    });
  }
  return true;
}

void CLogin::Layout() {
  const ScreenMetrics& metrics = app_.Metrics;
  const ui::Font& font = GetFont();
  const int nameWidth = font.TextWidth(kNameLabel);
  const int passwordWidth = font.TextWidth(kPasswordLabel);
  const ui::Rect client = ClientRect();
  FormRows rows(metrics, client.Width(), std::max(nameWidth, passwordWidth));
  nameLabel_.MoveWindow(rows.Label(0, nameWidth));
  name_.MoveWindow(rows.Field(0));
  passwordLabel_.MoveWindow(rows.Label(1, passwordWidth));
  password_.MoveWindow(rows.Field(1));
  const ui::Rect boxes = rows.Wide(2);
  const int middle = (boxes.left + boxes.right) / 2;
  remember_.MoveWindow(ui::Rect{boxes.left, boxes.top, middle, boxes.bottom});
  autoLogin_.MoveWindow(ui::Rect{middle, boxes.top, boxes.right, boxes.bottom});
  note_.MoveWindow(rows.Rest(3, client.bottom));
  Invalidate();
}

void CLogin::FillNames() {
  name_.ResetContent();
  for (const Account& account : app_.Accounts) name_.AddString(account.name);
}

void CLogin::NamePicked() {
  const int picked = name_.GetCurSel();
  if (picked < 0) return;
  password_.SetWindowText(Records().PasswordOf(name_.GetLBText(picked)));
}

void CLogin::Tell(WStringView text) { ui::MessageBox(this, text, u"Tarvo", ui::kMbOk); }

void CLogin::LogIn(bool automatic) {
  if (loggingIn_) return;
  LoginRecords records = Records();
  Credentials credentials;
  if (automatic) {
    auto account = records.AutoLoginAccount();
    if (!account) return;
    credentials = *account;
  } else {
    // The name shown (a picked one shows its own) and the password field,
    // which a pick has filled and the user may have typed over.
    credentials = Credentials{name_.GetWindowText(), password_.Text()};
  }
  if (auto refusal = ValidateLogin(credentials.name, credentials.password)) {
    Tell(*refusal);
    return;
  }
  if (!automatic) {
    const bool known = std::any_of(app_.Accounts.begin(), app_.Accounts.end(),
                                   [&](const Account& a) { return a.name == credentials.name; });
    records.StoreLogin(credentials.name, credentials.password, remember_.IsChecked(), autoLogin_.IsChecked());
    if (!known) name_.AddString(credentials.name);
  }
  const LoginOutcome outcome = Exchange(credentials);
  if (outcome.end == ExchangeEnd::kStopped || !IsCreated() || GetUi().QuitRequested()) return;
  if (!outcome.loggedIn()) {
    if (outcome.clearPassword) password_.SetWindowText(u"");
    Tell(outcome.message);
    return;
  }
  CUploadJoke upload(app_, credentials.name);
  upload.DoModal();
}

LoginOutcome CLogin::Exchange(const Credentials& credentials) {
  const AccountSetup setup = AccountSetupFor(app_);
  LoginRequest request{credentials.name, credentials.password, setup.identity, setup.phoneModel};
  auto result = std::make_shared<std::optional<LoginOutcome>>();
  loggingIn_ = true;
  const WaitEnd end = RunAndWait(
      GetUi(), *exchange_,
      [setup, request, result](ui::BackgroundAction::Context& context) {
        AccountExchangeSettings settings = setup.settings;
        settings.stop = context.StopFlag();
        LoginOutcome outcome = Login(AccountOpener(setup, context.StopFlag()), request, settings);
        context.Post([result, outcome] { *result = outcome; });
      },
      setup.WaitBound());
  loggingIn_ = false;
  if (end == WaitEnd::kProgramEnded) return LoginOutcome{ExchangeEnd::kStopped, {}, false};
  if (end == WaitEnd::kTimedOut || !result->has_value()) {
    return LoginOutcome{ExchangeEnd::kFailed, kLoginFailedMessage, false};
  }
  return **result;
}

void CLogin::ClearRecords() {
  // Only a "是" clears: a box that ends without an answer keeps everything.
  if (ui::MessageBox(this, kClearRecordsQuestion, kClearRecordsCaption, ui::kMbYesNo | ui::kMbIconQuestion) !=
      ui::kIdYes) {
    return;
  }
  name_.ResetContent();
  name_.SetEditText(u"");
  password_.SetWindowText(u"");
  Records().Clear();
}

bool CLogin::OnCommand(int id, int code) {
  switch (id) {
    case kLoginCommand: LogIn(false); return true;
    case kClearCommand: ClearRecords(); return true;
    case kNameId:
      if (code == ui::kSelectionChanged) NamePicked();
      return true;
    default: break;
  }
  return ui::Dialog::OnCommand(id, code);
}

bool CLogin::OnKeyDown(int key) {
  if (key == ui::keys::kReturn) {
    if (password_.HasFocus()) LogIn(false);
    return true;
  }
  return ui::Dialog::OnKeyDown(key);
}

void CLogin::OnSettingChange(ui::SettingChange change) {
  ui::Dialog::OnSettingChange(change);
  Layout();
}

void OpenLogin(CTarvoApp& app) {
  CLogin login(app);
  login.DoModal();
}

}  // namespace tarvo
