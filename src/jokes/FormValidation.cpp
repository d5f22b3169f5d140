#include "jokes/FormValidation.h"

#include <algorithm>

namespace tarvo {
namespace {

constexpr char16_t kNameEmpty[] = u"用户名不能为空！";
constexpr char16_t kNameTooLong[] = u"用户名长度不能超过12！";
constexpr char16_t kNameCharacters[] = u"用户名只能是数字、字母或下划线组合。";
constexpr char16_t kPasswordEmpty[] = u"密码不能为空。";
constexpr char16_t kPasswordTooLong[] = u"密码长度不能超过12。";
constexpr char16_t kPasswordCharacters[] = u"密码只能是数字、字母组合。";
constexpr char16_t kTitleEmpty[] = u"标题不能为空！";
constexpr char16_t kTitleTooLong[] = u"标题长度不能超过20！";
constexpr char16_t kBodyEmpty[] = u"内容不能为空！";
constexpr char16_t kBodyTooLong[] = u"内容长度不能为超过1000！";

bool IsAsciiLetterOrDigit(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

}  // namespace

std::optional<WString> ValidateLogin(WStringView name, WStringView password) {
  if (name.empty()) return kNameEmpty;
  if (name.size() > kMaxUserNameLength) return kNameTooLong;
  if (!std::all_of(name.begin(), name.end(),
                   [](char16_t c) { return IsAsciiLetterOrDigit(c) || c == u'_'; })) {
    return kNameCharacters;
  }
  if (password.empty()) return kPasswordEmpty;
  if (password.size() > kMaxPasswordLength) return kPasswordTooLong;
  if (!std::all_of(password.begin(), password.end(), IsAsciiLetterOrDigit)) {
    return kPasswordCharacters;
  }
  return std::nullopt;
}

std::optional<WString> ValidateUpload(WStringView title, WStringView body) {
  if (title.empty()) return kTitleEmpty;
  if (title.size() > kMaxJokeTitleLength) return kTitleTooLong;
  if (body.empty()) return kBodyEmpty;
  if (body.size() > kMaxJokeBodyLength) return kBodyTooLong;
  return std::nullopt;
}

}  // namespace tarvo
