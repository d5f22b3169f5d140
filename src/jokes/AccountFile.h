#pragma once
// The saved accounts file "\windows\systemacc" (only its owner may read or
// write it): one account a line, the user name, a comma and the stored
// password text, lines separated by CR LF, in the device's code page.
#include <vector>

#include "platform/device/FileAccess.h"
#include "platform/text/WString.h"

namespace tarvo {

inline constexpr char16_t kAccountFilePath[] = u"\\windows\\systemacc";
// Saved passwords are enciphered under the user name repeated to this length.
inline constexpr size_t kAccountKeyLength = 32;

struct Account {
  WString name;
  WString storedPassword;  // enciphered, or empty when not remembered
  bool operator==(const Account&) const = default;
};

// Splits at CR LF, skips empty lines and splits each line at its first comma
// (a line without one is a name without password).
std::vector<Account> ParseAccounts(std::string_view bytes, std::string_view codePage = "GBK");
// Every line followed by CR LF.
std::string FormatAccounts(const std::vector<Account>& accounts, std::string_view codePage = "GBK");

// The password text an account keeps: the password enciphered under the
// name repeated to kAccountKeyLength characters; empty when not remembered.
WString StoredPasswordFor(WStringView name, WStringView password, std::string_view codePage = "GBK");
WString PasswordFromStored(WStringView name, WStringView stored, std::string_view codePage = "GBK");

class AccountFile {
 public:
  AccountFile(FileAccess& files, WString path = kAccountFilePath, std::string codePage = "GBK");

  // The saved accounts; a missing file is created empty.
  std::vector<Account> Load();
  // Keeps one line per name: a new name is appended to the list and to the
  // file (after CR LF when the file is not empty); a known name has its
  // stored password replaced and the whole file is rewritten.
  bool Store(std::vector<Account>& accounts, const Account& account);
  // Forgets every account and deletes the file.
  void Clear(std::vector<Account>& accounts);

 private:
  FileAccess& files_;
  WString path_;
  std::string codePage_;
};

}  // namespace tarvo
