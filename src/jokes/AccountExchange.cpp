#include "jokes/AccountExchange.h"

#include "net/AccountCipher.h"
#include "net/Frame.h"

namespace tarvo {
namespace {

using Clock = std::chrono::steady_clock;

// Bounds every wait of the stream by the exchange's deadline and, while a
// step runs, by the step's end; once a bound has passed, every call fails.
// The frame code waits for a frame to begin until its stop flag turns, so
// this is what ends a wait for a reply that never comes.
class DeadlineStream : public ByteStream {
 public:
  DeadlineStream(ByteStream& inner, Clock::time_point deadline)
      : inner_(inner), deadline_(deadline), until_(deadline) {}

  std::ptrdiff_t Send(const uint8_t* bytes, size_t size) override {
    if (Clock::now() >= deadline_) return kError;
    return inner_.Send(bytes, size);
  }
  std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds wait) override {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until_ - Clock::now());
    if (left.count() <= 0) return kError;
    return inner_.Receive(buffer, size, std::min(wait, left));
  }
  void BeginStep(std::chrono::milliseconds step) {
    until_ = std::min(deadline_, Clock::now() + step);
  }

 private:
  ByteStream& inner_;
  Clock::time_point deadline_;
  Clock::time_point until_;
};

// Waits for the next frame within the step time-out and the whole deadline.
ReceivedFrame ReceiveStep(DeadlineStream& stream, const AccountExchangeSettings& settings) {
  stream.BeginStep(settings.stepTimeout);
  ReceiveOptions options;
  options.pollSlice = settings.pollSlice;
  options.frameTimeout = settings.stepTimeout;
  options.stop = settings.stop;
  return ReceiveFrame(stream, options);
}

bool IsStopped(const AccountExchangeSettings& settings) {
  return settings.stop != nullptr && settings.stop->load();
}

LoginOutcome Failed(const AccountExchangeSettings& settings, WString message = kLoginFailedMessage,
                    bool clearPassword = false) {
  if (IsStopped(settings)) return {ExchangeEnd::kStopped, {}, false};
  return {ExchangeEnd::kFailed, std::move(message), clearPassword};
}

// A refusal: the server's text, ours when it sent none; a wrong password
// clears the field whichever reply says it.
LoginOutcome Refused(const WString& text, const AccountExchangeSettings& settings) {
  auto content = GetField(text, u"CONTENT").value_or(WString());
  bool clear = content == kWrongPasswordContent;
  return Failed(settings, content.empty() ? WString(kLoginFailedMessage) : content, clear);
}

}  // namespace

LoginOutcome ExchangeLogin(ByteStream& raw, const LoginRequest& request,
                           const AccountExchangeSettings& settings) {
  DeadlineStream stream(raw, Clock::now() + 2 * settings.stepTimeout);
  if (IsStopped(settings)) return Failed(settings);
  if (!SendFrame(stream, kFrameHello, BuildHello(request.name, request.identity, request.phoneModel))) {
    return Failed(settings);
  }
  bool loginSent = false;
  while (true) {
    ReceivedFrame received = ReceiveStep(stream, settings);
    if (received.status != ReceiveStatus::kFrame) return Failed(settings);
    const WString& text = received.frame.text;
    if (received.frame.type == kFrameHello && !loginSent) {
      if (GetIntField(text, u"RESULT") != 0) return Refused(text, settings);
      WString key = GetField(text, u"SESSIONID").value_or(WString());
      WString enciphered = Encipher(request.password, key, settings.codePage);
      if (enciphered.empty()) return Failed(settings);  // no key in the SESSIONID
      if (!SendFrame(stream, kFrameLogin, BuildLogin(request.name, enciphered))) {
        return Failed(settings);
      }
      loginSent = true;
    } else if (received.frame.type == kFrameLogin && loginSent) {
      if (GetIntField(text, u"RESULT") != 0) return Refused(text, settings);
      return {ExchangeEnd::kDone, GetField(text, u"CONTENT").value_or(WString()), false};
    }
    // Any other frame is passed over.
  }
}

LoginOutcome Login(const AccountStreamOpener& open, const LoginRequest& request,
                   const AccountExchangeSettings& settings) {
  std::unique_ptr<ByteStream> stream = open ? open() : nullptr;
  if (!stream) return Failed(settings, kConnectFailedMessage);
  return ExchangeLogin(*stream, request, settings);
}

UploadOutcome ExchangeUpload(ByteStream& raw, const UploadRequest& request,
                             const AccountExchangeSettings& settings) {
  DeadlineStream stream(raw, Clock::now() + 2 * settings.stepTimeout);
  auto failed = [&]() -> UploadOutcome {
    if (IsStopped(settings)) return {ExchangeEnd::kStopped, std::nullopt, {}};
    return {ExchangeEnd::kFailed, std::nullopt, kUploadFailedMessage};
  };
  if (IsStopped(settings)) return failed();
  if (!SendFrame(stream, kFrameUpload,
                 BuildUpload(request.title, request.category, request.body, request.userName))) {
    return failed();
  }
  auto reply = ReceiveUploadReply(stream, settings.stepTimeout);
  if (!reply || IsStopped(settings)) return failed();
  auto content = GetField(*reply, u"CONTENT");
  if (!content || content->empty()) return failed();
  return {ExchangeEnd::kDone, GetIntField(*reply, u"RESULT"), *content};
}

UploadOutcome Upload(const AccountStreamOpener& open, const UploadRequest& request,
                     const AccountExchangeSettings& settings) {
  std::unique_ptr<ByteStream> stream = open ? open() : nullptr;
  if (!stream) {
    if (IsStopped(settings)) return {ExchangeEnd::kStopped, std::nullopt, {}};
    return {ExchangeEnd::kFailed, std::nullopt, kConnectFailedMessage};
  }
  return ExchangeUpload(*stream, request, settings);
}

}  // namespace tarvo
