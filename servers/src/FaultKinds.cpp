#include "FaultKinds.h"

#include <charconv>
#include <vector>

namespace tarvo::servers {
namespace {

constexpr std::string_view kFaultPrefix = "/_fault/";

std::vector<std::string_view> SplitColons(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t colon = text.find(':', start);
    parts.push_back(text.substr(start, colon == std::string_view::npos ? std::string_view::npos : colon - start));
    if (colon == std::string_view::npos) return parts;
    start = colon + 1;
  }
}

template <typename Number>
bool ParseNumber(std::string_view text, Number min, Number max, Number* value) {
  auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && last == text.data() + text.size() && !text.empty() && *value >= min &&
         *value <= max;
}

}  // namespace

std::optional<FaultKind> ParseFaultKind(std::string_view text, std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<FaultKind> {
    if (error != nullptr) *error = "fault kind \"" + std::string(text) + "\": " + why;
    return std::nullopt;
  };
  const auto parts = SplitColons(text);
  const std::string_view name = parts[0];
  auto arguments = [&](size_t count) { return parts.size() == count + 1; };
  FaultKind kind;
  using Type = FaultKind::Type;
  constexpr size_t kMostBytes = size_t(1) << 40;
  if (name == "stall" || name == "garbage" || name == "empty" || name == "no-length" || name == "no-date" ||
      name == "bad-date") {
    if (!arguments(0)) return fail("takes no argument");
    kind.type = name == "stall" ? Type::Stall
                : name == "garbage" ? Type::Garbage
                : name == "empty" ? Type::Empty
                : name == "no-date" ? Type::NoDate
                : name == "bad-date" ? Type::BadDate
                                    : Type::NoLength;
    return kind;
  }
  if (name == "stall-body" || name == "reset") {
    if (!arguments(1) || !ParseNumber<size_t>(parts[1], 0, kMostBytes, &kind.bytes))
      return fail("needs a byte count, as in " + std::string(name) + ":100");
    kind.type = name == "reset" ? Type::Reset : Type::StallBody;
    return kind;
  }
  if (name == "status") {
    if (!arguments(1) || !ParseNumber(parts[1], 100, 599, &kind.status))
      return fail("needs a status from 100 to 599, as in status:404");
    kind.type = Type::Status;
    return kind;
  }
  if (name == "trickle") {
    if (!arguments(2) || !ParseNumber<size_t>(parts[1], 1, kMostBytes, &kind.bytes) ||
        !ParseNumber(parts[2], 0, 60000, &kind.intervalMs))
      return fail("needs bytes (1 or more) and milliseconds (up to 60000), as in trickle:10:5");
    kind.type = Type::Trickle;
    return kind;
  }
  return fail(
      "not one of stall, stall-body:N, reset:N, status:N, garbage, empty, no-length, trickle:N:MS, "
      "no-date, bad-date");
}

std::optional<FaultUrl> SplitFaultUrl(const std::string& path) {
  if (path.compare(0, kFaultPrefix.size(), kFaultPrefix) != 0) return std::nullopt;
  const size_t slash = path.find('/', kFaultPrefix.size());
  if (slash == std::string::npos) return FaultUrl{path.substr(kFaultPrefix.size()), "/"};
  return FaultUrl{path.substr(kFaultPrefix.size(), slash - kFaultPrefix.size()), path.substr(slash)};
}

}  // namespace tarvo::servers
