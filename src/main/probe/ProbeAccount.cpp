// tarvo-probe account: the account protocol's cipher, frames and fields, and
// the checks of the login and upload forms.
#include <ostream>

#include "jokes/FormValidation.h"
#include "main/probe/ProbeCommand.h"
#include "net/AccountCipher.h"
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
    "  account validate-upload TITLE BODY";
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

int RunAccount(ProbeContext& context) {
  auto args = context.args.Positional();
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
