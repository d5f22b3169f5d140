#pragma once
// One connection's conversation with the account server: a hello names the
// user and gets a session key; a login under that key registers or checks
// the user; an upload stores a joke of a registered user. Every reply fits
// kMaxReplyBytes bytes of frame.
#include <cstdint>
#include <optional>
#include <string>

#include "account/AccountStore.h"
#include "net/Frame.h"

namespace tarvo::servers {

inline constexpr size_t kMaxReplyBytes = 256;
inline constexpr size_t kSessionIdLength = 32;

class AccountSession {
 public:
  explicit AccountSession(AccountStore& store) : store_(store) {}
  // The reply to one request frame; nullopt never, every request is answered.
  Frame Handle(const Frame& request);

 private:
  Frame Hello(const WString& text);
  Frame Login(const WString& text);
  Frame Upload(const WString& text);

  AccountStore& store_;
  WString helloName_;
  WString sessionId_;
  HelloIdentity identity_;
};

// The upload's fields read in their known order: TITLE, CATEGORY, BODY up to
// the last "},USERNAME={", then USERNAME; nullopt when the text is not so made.
std::optional<StoredJoke> ParseUpload(WStringView text);
bool ValidUserName(WStringView name);

}  // namespace tarvo::servers
