#include "jokes/LoginRecords.h"

#include <algorithm>

namespace tarvo {

LoginRecords::LoginRecords(std::vector<Account>& accounts, FileAccess& files, WString accountPath,
                           IniFile config, WString configPath, std::string codePage)
    : accounts_(accounts),
      file_(files, std::move(accountPath), codePage),
      config_(std::move(config)),
      configPath_(std::move(configPath)),
      codePage_(std::move(codePage)) {}

void LoginRecords::EnsureLoaded() {
  if (accounts_.empty()) accounts_ = file_.Load();
}

LoginSettings LoginRecords::Settings() const {
  LoginSettings settings;
  settings.rememberPassword = config_.ReadInt(kLoginSection, kRememberPasswordKey, 0, configPath_) == 1;
  settings.autoLogin = config_.ReadInt(kLoginSection, kAutoLoginKey, 0, configPath_) == 1;
  settings.index = config_.ReadInt(kLoginSection, kLoginIndexKey, 0, configPath_);
  return settings;
}

int LoginRecords::PositionOf(WStringView name) const {
  auto it = std::find_if(accounts_.begin(), accounts_.end(), [&](const Account& a) { return a.name == name; });
  return it == accounts_.end() ? -1 : static_cast<int>(it - accounts_.begin());
}

WString LoginRecords::PasswordOf(WStringView name) const {
  const int position = PositionOf(name);
  if (position < 0) return {};
  const Account& account = accounts_[static_cast<size_t>(position)];
  return PasswordFromStored(account.name, account.storedPassword, codePage_);
}

std::optional<Credentials> LoginRecords::Preselected() const {
  const int index = Settings().index;
  if (index < 1 || index > static_cast<int>(accounts_.size())) return std::nullopt;
  const Account& account = accounts_[static_cast<size_t>(index - 1)];
  return Credentials{account.name, PasswordFromStored(account.name, account.storedPassword, codePage_)};
}

std::optional<Credentials> LoginRecords::AutoLoginAccount() const {
  const LoginSettings settings = Settings();
  if (!settings.rememberPassword || !settings.autoLogin) return std::nullopt;
  auto account = Preselected();
  if (!account || account->password.empty()) return std::nullopt;
  return account;
}

int LoginRecords::StoreLogin(WStringView name, WStringView password, bool remember, bool autoLogin) {
  const WString stored = remember ? StoredPasswordFor(name, password, codePage_) : WString();
  file_.Store(accounts_, Account{WString(name), stored});
  const int position = PositionOf(name);
  if (remember) {
    config_.WriteInt(kLoginSection, kRememberPasswordKey, 1, configPath_);
    config_.WriteInt(kLoginSection, kLoginIndexKey, position + 1, configPath_);
    config_.WriteInt(kLoginSection, kAutoLoginKey, autoLogin ? 1 : 0, configPath_);
  } else {
    config_.WriteInt(kLoginSection, kRememberPasswordKey, 0, configPath_);
  }
  return position;
}

void LoginRecords::Clear() {
  file_.Clear(accounts_);
  config_.WriteInt(kLoginSection, kRememberPasswordKey, 0, configPath_);
  config_.WriteInt(kLoginSection, kAutoLoginKey, 0, configPath_);
  config_.WriteInt(kLoginSection, kLoginIndexKey, 0, configPath_);
}

}  // namespace tarvo
