#include "account/AccountSession.h"

#include <array>

#include "net/AccountCipher.h"
#include "net/Base64.h"
#include "net/Fields.h"
#include "platform/text/Utf8.h"

namespace tarvo::servers {
namespace {

constexpr std::array<std::u16string_view, 22> kCategories = {
    u"冷笑话", u"极品", u"愚人", u"短信", u"经典", u"恶心", u"成人", u"职场",
    u"校园",   u"名人", u"古代", u"爱情", u"谐音", u"电脑", u"英语", u"儿童",
    u"故事",   u"小笑话", u"交通", u"宗教", u"医疗", u"其他"};

Frame Reply(uint8_t type, int result, std::u16string_view content) {
  return {type, u"RESULT={" + FromUtf8(std::to_string(result)) + u"},CONTENT={" +
                    WString(content) + u"}"};
}

bool AsciiAlnum(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool ValidPassword(WStringView password) {
  if (password.empty() || password.size() > 12) return false;
  for (char16_t c : password) {
    if (!AsciiAlnum(c)) return false;
  }
  return true;
}

}  // namespace

bool ValidUserName(WStringView name) {
  if (name.empty() || name.size() > 12) return false;
  for (char16_t c : name) {
    if (!AsciiAlnum(c) && c != u'_') return false;
  }
  return true;
}

std::optional<StoredJoke> ParseUpload(WStringView text) {
  constexpr WStringView kTitle = u"TITLE={", kCategory = u"},CATEGORY={", kBody = u"},BODY={",
                        kUser = u"},USERNAME={";
  if (text.substr(0, kTitle.size()) != kTitle || text.empty() || text.back() != u'}') {
    return std::nullopt;
  }
  size_t category = text.find(kCategory, kTitle.size());
  if (category == WStringView::npos) return std::nullopt;
  size_t body = text.find(kBody, category + kCategory.size());
  size_t user = text.rfind(kUser);
  if (body == WStringView::npos || user == WStringView::npos || user < body + kBody.size()) {
    return std::nullopt;
  }
  size_t bodyStart = body + kBody.size(), userStart = user + kUser.size();
  StoredJoke joke;
  joke.title = ToUtf8(text.substr(kTitle.size(), category - kTitle.size()));
  joke.category = ToUtf8(text.substr(category + kCategory.size(), body - category - kCategory.size()));
  joke.body = ToUtf8(text.substr(bodyStart, user - bodyStart));
  joke.userName = ToUtf8(text.substr(userStart, text.size() - 1 - userStart));
  return joke;
}

Frame AccountSession::Handle(const Frame& request) {
  switch (request.type) {
    case kFrameHello: return Hello(request.text);
    case kFrameLogin: return Login(request.text);
    case kFrameUpload: return Upload(request.text);
    default: return Reply(request.type, 1, u"未知请求");
  }
}

Frame AccountSession::Hello(const WString& text) {
  WString name = GetField(text, u"NAME").value_or(WString());
  if (!ValidUserName(name)) return Reply(kFrameHello, 1, u"用户名无效");
  helloName_ = name;
  // 24 random bytes make 32 Base64 characters, without padding.
  sessionId_ = FromUtf8(Base64Encode(RandomBytes(kSessionIdLength / 4 * 3)));
  auto field = [&](std::u16string_view key) {
    return ToUtf8(GetField(text, key).value_or(WString()));
  };
  identity_ = {field(u"SIMID"), field(u"CELLID"), field(u"VERSIONNO"), field(u"PHONEMODEL")};
  return {kFrameHello, u"RESULT={0},CONTENT={},SESSIONID={" + sessionId_ + u"}"};
}

Frame AccountSession::Login(const WString& text) {
  WString name = GetField(text, u"NAME").value_or(WString());
  if (helloName_.empty() || name != helloName_) return Reply(kFrameLogin, 3, u"请先问候");
  WString password = Decipher(GetField(text, u"PASSWORD").value_or(WString()), sessionId_);
  if (!ValidPassword(password)) return Reply(kFrameLogin, 4, u"密码无效");
  std::string user = ToUtf8(name), secret = ToUtf8(password);
  for (int attempt = 0; attempt < 2; ++attempt) {
    switch (store_.CheckPassword(user, secret)) {
      case AccountStore::Check::kMatch: return Reply(kFrameLogin, 0, u"登录成功");
      case AccountStore::Check::kMismatch: return Reply(kFrameLogin, 2, u"密码错误");
      case AccountStore::Check::kFailed: return Reply(kFrameLogin, 9, u"服务器忙");
      case AccountStore::Check::kUnknown: break;
    }
    switch (store_.Register(user, secret, identity_)) {
      case AccountStore::Registration::kRegistered: return Reply(kFrameLogin, 0, u"注册成功");
      case AccountStore::Registration::kFailed: return Reply(kFrameLogin, 9, u"服务器忙");
      case AccountStore::Registration::kExists: break;  // another registration won: check again
    }
  }
  return Reply(kFrameLogin, 9, u"服务器忙");
}

Frame AccountSession::Upload(const WString& text) {
  auto joke = ParseUpload(text);
  if (!joke) return Reply(kFrameUpload, 1, u"格式错误");
  if (!ValidUserName(FromUtf8(joke->userName)) || !store_.HasAccount(joke->userName)) {
    return Reply(kFrameUpload, 2, u"用户未注册");
  }
  size_t title = FromUtf8(joke->title).size(), body = FromUtf8(joke->body).size();
  if (title < 1 || title > 20) return Reply(kFrameUpload, 3, u"标题长度应为1至20");
  if (body < 1 || body > 1000) return Reply(kFrameUpload, 4, u"内容长度应为1至1000");
  WString category = FromUtf8(joke->category);
  bool known = false;
  for (auto entry : kCategories) known = known || entry == category;
  if (!known) return Reply(kFrameUpload, 5, u"分类无效");
  if (!store_.StoreJoke(*joke)) return Reply(kFrameUpload, 9, u"服务器忙");
  return Reply(kFrameUpload, 0, u"上传成功");
}

}  // namespace tarvo::servers
