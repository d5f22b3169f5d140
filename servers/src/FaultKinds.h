#pragma once
// The ways a stand-in can misbehave on purpose, by name:
//   stall           the response headers never come
//   stall-body:N    headers with the true length, N bytes of the body, then nothing
//   reset:N         headers with the true length, N bytes of the body, then the connection closes
//   status:N        an error page with status N (100 to 599) instead of the answer
//   garbage         a 200 with 1024 random bytes (the first one 0xFF)
//   empty           a 200 with an empty body
//   no-length       the real body without Content-Length, ended by closing the connection
//   trickle:N:MS    the real body, N bytes every MS milliseconds
//   no-date         the real answer without a Date header
//   bad-date        the real answer with a Date header that is no date
// A stall lasts until the servers stop or a minute has passed.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo::servers {

struct FaultKind {
  enum class Type { Stall, StallBody, Reset, Status, Garbage, Empty, NoLength, Trickle, NoDate, BadDate };
  Type type = Type::Stall;
  size_t bytes = 0;     // stall-body, reset, trickle: N
  int status = 0;       // status: N
  int intervalMs = 0;   // trickle: MS
};

// nullopt, with the reason, for a name that is not one of the above.
std::optional<FaultKind> ParseFaultKind(std::string_view text, std::string* error);

// "/_fault/KIND/REST" -> KIND and "/REST"; nullopt for any other path.
struct FaultUrl {
  std::string kind;
  std::string rest;
};
std::optional<FaultUrl> SplitFaultUrl(const std::string& path);

}  // namespace tarvo::servers
