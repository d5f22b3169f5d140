#pragma once
// The login and upload exchanges with the account server, over any
// ByteStream. Every step waits at most the step time-out and the whole
// exchange at most twice that, so a server that trickles cannot hold it; the
// stop flag ends it silently.
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "net/ByteStream.h"
#include "net/Fields.h"
#include "platform/text/WString.h"

namespace tarvo {

inline constexpr char16_t kConnectFailedMessage[] = u"连接服务器失败,请稍后重试.";
inline constexpr char16_t kLoginFailedMessage[] = u"登录失败,请稍后重试.";
inline constexpr char16_t kUploadFailedMessage[] = u"上传失败,请稍后重试.";
inline constexpr char16_t kWrongPasswordContent[] = u"密码错误";

struct AccountExchangeSettings {
  std::chrono::milliseconds stepTimeout{30000};
  // How often a wait for a reply reads the stop flag.
  std::chrono::milliseconds pollSlice{1000};
  const std::atomic<bool>* stop = nullptr;
  std::string codePage = "GBK";
};

// Opens the connection; nullptr when it could not be opened.
using AccountStreamOpener = std::function<std::unique_ptr<ByteStream>()>;

struct LoginRequest {
  WString name;
  WString password;
  PhoneIdentity identity;
  WString phoneModel;
};

enum class ExchangeEnd { kDone, kFailed, kStopped };

struct LoginOutcome {
  ExchangeEnd end = ExchangeEnd::kFailed;  // kDone: logged in
  WString message;                         // the server's CONTENT, or ours
  bool clearPassword = false;              // the server said "密码错误"
  bool loggedIn() const { return end == ExchangeEnd::kDone; }
};

// Hello, its reply, the login under the reply's "SESSIONID", its reply.
LoginOutcome ExchangeLogin(ByteStream& stream, const LoginRequest& request,
                           const AccountExchangeSettings& settings);
LoginOutcome Login(const AccountStreamOpener& open, const LoginRequest& request,
                   const AccountExchangeSettings& settings);

struct UploadRequest {
  WString title;
  WString category;
  WString body;
  WString userName;
};

struct UploadOutcome {
  ExchangeEnd end = ExchangeEnd::kFailed;  // kDone: the server answered
  std::optional<int> result;               // the reply's RESULT, when it has one
  WString message;                         // the reply's CONTENT, or ours
};

UploadOutcome ExchangeUpload(ByteStream& stream, const UploadRequest& request,
                             const AccountExchangeSettings& settings);
UploadOutcome Upload(const AccountStreamOpener& open, const UploadRequest& request,
                     const AccountExchangeSettings& settings);

}  // namespace tarvo
