#include "jokes/AccountFile.h"

#include <algorithm>

#include "net/AccountCipher.h"
#include "platform/text/CodePage.h"

namespace tarvo {
namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char16_t kSeparator = u',';

std::string FormatLine(const Account& account, std::string_view codePage) {
  return ToCodePage(account.name + kSeparator + account.storedPassword, codePage);
}

}  // namespace

std::vector<Account> ParseAccounts(std::string_view bytes, std::string_view codePage) {
  std::vector<Account> accounts;
  WString text = FromCodePage(bytes, codePage);
  WStringView rest(text);
  while (!rest.empty()) {
    size_t end = rest.find(u"\r\n");
    WStringView line = rest.substr(0, end);
    rest = end == WStringView::npos ? WStringView() : rest.substr(end + 2);
    if (line.empty()) continue;
    size_t comma = line.find(kSeparator);
    if (comma == WStringView::npos) {
      accounts.push_back({WString(line), WString()});
    } else {
      accounts.push_back({WString(line.substr(0, comma)), WString(line.substr(comma + 1))});
    }
  }
  return accounts;
}

std::string FormatAccounts(const std::vector<Account>& accounts, std::string_view codePage) {
  std::string bytes;
  for (const Account& account : accounts) bytes += FormatLine(account, codePage) + kLineEnd;
  return bytes;
}

WString StoredPasswordFor(WStringView name, WStringView password, std::string_view codePage) {
  return Encipher(password, RepeatToLength(name, kAccountKeyLength), codePage);
}

WString PasswordFromStored(WStringView name, WStringView stored, std::string_view codePage) {
  return Decipher(stored, RepeatToLength(name, kAccountKeyLength), codePage);
}

AccountFile::AccountFile(FileAccess& files, WString path, std::string codePage)
    : files_(files), path_(std::move(path)), codePage_(std::move(codePage)) {}

std::vector<Account> AccountFile::Load() {
  auto bytes = files_.ReadAll(path_);
  if (!bytes) {
    files_.WritePrivately(path_, "");
    return {};
  }
  return ParseAccounts(*bytes, codePage_);
}

bool AccountFile::Store(std::vector<Account>& accounts, const Account& account) {
  auto known = std::find_if(accounts.begin(), accounts.end(),
                            [&](const Account& a) { return a.name == account.name; });
  if (known != accounts.end()) {
    known->storedPassword = account.storedPassword;
    return files_.WritePrivately(path_, FormatAccounts(accounts, codePage_));
  }
  accounts.push_back(account);
  auto bytes = files_.ReadAll(path_);
  std::string line = FormatLine(account, codePage_);
  if (!bytes) return files_.WritePrivately(path_, line);
  if (!bytes->empty()) line = kLineEnd + line;
  return files_.AppendPrivately(path_, line);
}

void AccountFile::Clear(std::vector<Account>& accounts) {
  accounts.clear();
  if (files_.FileExists(path_)) files_.DeleteFile(path_);
}

}  // namespace tarvo
