#pragma once
// What the login dialog remembers: the saved accounts (list and file) and
// the "Login" keys of the configuration (remembered password, automatic
// login, the account to preselect). The screen asks; this decides.
#include <optional>
#include <string>
#include <vector>

#include "app/IniFile.h"
#include "jokes/AccountFile.h"

namespace tarvo {

inline constexpr char16_t kLoginSection[] = u"Login";
inline constexpr char16_t kRememberPasswordKey[] = u"remeberpwd";
inline constexpr char16_t kAutoLoginKey[] = u"autoLogin";
inline constexpr char16_t kLoginIndexKey[] = u"index";

struct LoginSettings {
  bool rememberPassword = false;
  bool autoLogin = false;
  int index = 0;  // 1-based position of the account to preselect; 0 none
};

struct Credentials {
  WString name;
  WString password;  // deciphered; empty when none is stored
  bool operator==(const Credentials&) const = default;
};

class LoginRecords {
 public:
  // accounts: the program's list, shared by every login dialog of the run.
  LoginRecords(std::vector<Account>& accounts, FileAccess& files, WString accountPath, IniFile config,
               WString configPath, std::string codePage);

  // Loads the list from the file when it is empty (a missing file is made).
  void EnsureLoaded();
  const std::vector<Account>& Accounts() const { return accounts_; }
  LoginSettings Settings() const;

  // The deciphered stored password of a listed name; empty when none.
  WString PasswordOf(WStringView name) const;
  // The account at "index", with its password, when the index is in range.
  std::optional<Credentials> Preselected() const;
  // The account to log in by itself: only when "remeberpwd" and "autoLogin"
  // are 1 and the account at "index" has a stored password.
  std::optional<Credentials> AutoLoginAccount() const;

  // Stores the account before the exchange: with its enciphered password and
  // "remeberpwd" = 1, "index" = its position in the list, "autoLogin" as
  // ticked when remembering; else with no password and "remeberpwd" = 0.
  // Returns the account's 0-based position in the list.
  int StoreLogin(WStringView name, WStringView password, bool remember, bool autoLogin);
  // Forgets every account, deletes the file and zeroes the three keys.
  void Clear();

 private:
  int PositionOf(WStringView name) const;

  std::vector<Account>& accounts_;
  AccountFile file_;
  mutable IniFile config_;
  WString configPath_;
  std::string codePage_;
};

}  // namespace tarvo
