// tarvo-probe account: the account protocol's cipher, frames and fields, and
// the checks of the login and upload forms.
#include <ostream>

#include "jokes/AccountExchange.h"
#include "jokes/FormValidation.h"
#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "net/AccountCipher.h"
#include "net/AccountSocket.h"
#include "net/PhoneIdentity.h"
#include "platform/device/Device.h"
#include "net/Fields.h"
#include "net/Frame.h"

namespace tarvo::probe {
namespace {

constexpr const char* kUsage =
    "  account encipher PLAIN KEYTEXT\n"
    "  account decipher CIPHER KEYTEXT\n"
    "  account repeat TEXT N\n"
    "  account frame TYPE TEXT        (the frame as lower-case hex)\n"
    "  account unframe HEX\n"
    "  account field TEXT KEY\n"
    "  account validate-login NAME PASSWORD\n"
    "  account validate-upload TITLE BODY\n"
    "  account login NAME PASSWORD [--server HOST:PORT]   (JSON loggedIn, content, message; exit 0\n"
    "                                 when logged in; the device's AccountServer without --server)\n"
    "  account upload NAME TITLE CATEGORY BODY [--server HOST:PORT]   (JSON result, message)";
constexpr long long kMaxRepeat = 1 << 20;

std::string ToHex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char byte : bytes) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

std::optional<std::string> FromHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  auto nibble = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    int high = nibble(hex[i]), low = nibble(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
  }
  return bytes;
}

int PrintMessage(ProbeContext& context, const std::optional<WString>& message) {
  if (message) context.out << Utf8(*message) << "\n";
  return kExitOk;
}

int Unframe(ProbeContext& context, const std::string& hex) {
  auto bytes = FromHex(hex);
  auto frame = bytes ? DecodeFrame(*bytes) : std::nullopt;
  if (!frame) {
    context.err << "tarvo-probe: not a whole frame (bad hex, odd or too large a length, or "
                   "fewer bytes than declared)\n";
    return kExitUsage;
  }
  context.out << Utf8(frame->text) << "\n";
  return kExitOk;
}

// Where and how the exchange runs: the device's profile when there is one.
struct ExchangeSetup {
  std::string server = "127.0.0.1:28089";
  AccountExchangeSettings settings;
  PhoneIdentity identity;
};

std::optional<ExchangeSetup> SetupFor(ProbeContext& context, const std::optional<std::string>& server) {
  ExchangeSetup setup;
  setup.settings.codePage = context.codePage;
  if (context.deviceDir) {
    std::string error;
    auto device = Device::Open(*context.deviceDir, &error);
    if (!device) {
      context.err << "tarvo-probe: " << error << "\n";
      return std::nullopt;
    }
    const DeviceProfile& profile = device->Profile();
    setup.server = profile.Server("AccountServer");
    setup.settings.stepTimeout = std::chrono::milliseconds(profile.AccountTimeoutMs());
    setup.identity = GetPhoneIdentity(profile).value_or(PhoneIdentity{});
  }
  if (server) setup.server = *server;
  return setup;
}

AccountStreamOpener OpenerFor(const ExchangeSetup& setup) {
  return [setup]() -> std::unique_ptr<ByteStream> {
    auto socket = std::make_unique<AccountSocket>(setup.settings.stepTimeout, setup.settings.stop);
    if (!socket->Open(setup.server)) return nullptr;
    return socket;
  };
}

int RunExchange(ProbeContext& context, const std::vector<std::string>& args,
                const std::optional<std::string>& server) {
  auto setup = SetupFor(context, server);
  if (!setup) return kExitUsage;
  if (args[0] == "login") {
    WString name = Arg(args[1]), password = Arg(args[2]);
    if (auto refusal = ValidateLogin(name, password)) {
      PrintJson(context, {{"loggedIn", false}, {"content", ""}, {"message", Utf8(*refusal)}});
      return kExitAbsent;
    }
    LoginOutcome outcome = Login(OpenerFor(*setup), {name, password, setup->identity, u""}, setup->settings);
    PrintJson(context, {{"loggedIn", outcome.loggedIn()},
                        {"content", outcome.loggedIn() ? Utf8(outcome.message) : ""},
                        {"message", outcome.loggedIn() ? "" : Utf8(outcome.message)}});
    return outcome.loggedIn() ? kExitOk : kExitAbsent;
  }
  WString title = Arg(args[2]), body = Arg(args[4]);
  if (auto refusal = ValidateUpload(title, body)) {
    PrintJson(context, {{"result", nullptr}, {"message", Utf8(*refusal)}});
    return kExitAbsent;
  }
  UploadOutcome outcome =
      Upload(OpenerFor(*setup), {title, Arg(args[3]), body, Arg(args[1])}, setup->settings);
  nlohmann::json result = outcome.result ? nlohmann::json(*outcome.result) : nlohmann::json(nullptr);
  PrintJson(context, {{"result", result}, {"message", Utf8(outcome.message)}});
  return outcome.result == 0 ? kExitOk : kExitAbsent;
}

int RunAccount(ProbeContext& context) {
  auto server = context.args.TakeOption("--server");
  auto args = context.args.Positional();
  if (!context.args.HasError() && !args.empty() &&
      ((args[0] == "login" && args.size() == 3) || (args[0] == "upload" && args.size() == 5))) {
    return RunExchange(context, args, server);
  }
  if (context.args.HasError() || args.empty()) return Usage(context, kUsage);
  if (args[0] == "unframe" && args.size() == 2) return Unframe(context, args[1]);
  if (args.size() != 3) return Usage(context, kUsage);
  const std::string& verb = args[0];
  WString first = Arg(args[1]), second = Arg(args[2]);
  if (verb == "encipher") {
    context.out << Utf8(Encipher(first, second, context.codePage)) << "\n";
    return kExitOk;
  }
  if (verb == "decipher") {
    context.out << Utf8(Decipher(first, second, context.codePage)) << "\n";
    return kExitOk;
  }
  if (verb == "repeat") {
    auto n = ParseInteger(args[2]);
    if (!n || *n < 0 || *n > kMaxRepeat) return Usage(context, kUsage);
    context.out << Utf8(RepeatToLength(first, static_cast<size_t>(*n))) << "\n";
    return kExitOk;
  }
  if (verb == "frame") {
    auto type = ParseInteger(args[1]);
    if (!type || *type < 0 || *type > 255) return Usage(context, kUsage);
    auto bytes = EncodeFrame(static_cast<uint8_t>(*type), second);
    if (!bytes) {
      context.err << "tarvo-probe: text too long for a frame\n";
      return kExitUsage;
    }
    context.out << ToHex(*bytes) << "\n";
    return kExitOk;
  }
  if (verb == "field") {
    auto value = GetField(first, second);
    if (!value) return kExitAbsent;
    context.out << Utf8(*value) << "\n";
    return kExitOk;
  }
  if (verb == "validate-login") return PrintMessage(context, ValidateLogin(first, second));
  if (verb == "validate-upload") return PrintMessage(context, ValidateUpload(first, second));
  return Usage(context, kUsage);
}

const ProbeRegistration kRegistration("account", kUsage, &RunAccount);

}  // namespace
}  // namespace tarvo::probe
