#pragma once
// The login dialog "登录": a user name (typed or picked from the saved
// accounts), a password, "记住密码" and "自动登录", and the soft keys "登录"
// and "清除记录". A login stores the account first, then runs the exchange
// off the UI thread while the dialog waits; a login that succeeds opens the
// upload form, and the dialog stays open behind it.
#include <memory>

#include "app/shell/TarvoApp.h"
#include "jokes/AccountExchange.h"
#include "jokes/LoginRecords.h"
#include "platform/ui/BackgroundAction.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace tarvo {

inline constexpr char16_t kLoginTitle[] = u"登录";
inline constexpr char16_t kLoginNote[] = u"注:没有账号时登录视为注册。";
inline constexpr char16_t kClearRecordsQuestion[] = u"确定要清空所有登录信息吗？";
inline constexpr char16_t kClearRecordsCaption[] = u"提醒";

class CLogin : public ui::Dialog {
 public:
  enum Id { kNameId = 100, kPasswordId, kRememberId, kAutoLoginId, kNameLabelId, kPasswordLabelId, kNoteId };
  enum Command { kLoginCommand = 200, kClearCommand };

  explicit CLogin(CTarvoApp& app);
  ~CLogin() override;

  // automatic: the account of "index" is logged in as it is stored, and
  // nothing is stored.
  void LogIn(bool automatic);
  void ClearRecords();

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  bool OnKeyDown(int key) override;
  void OnSettingChange(ui::SettingChange change) override;

  // A login's exchange is under way (the dialog waits for it).
  bool IsLoggingIn() const { return loggingIn_; }

 private:
  LoginRecords Records();
  void Layout();
  void FillNames();
  void NamePicked();
  LoginOutcome Exchange(const Credentials& credentials);
  void Tell(WStringView text);

  CTarvoApp& app_;
  ui::Static nameLabel_;
  ui::Static passwordLabel_;
  ui::Static note_;
  ui::ComboBox name_;
  ui::Edit password_;
  ui::Button remember_;
  ui::Button autoLogin_;
  std::unique_ptr<ui::BackgroundAction> exchange_;
  bool loggingIn_ = false;
};

// The joke reader's way in: the login dialog, modally.
void OpenLogin(CTarvoApp& app);

}  // namespace tarvo
