#pragma once
// Content for tests of the fetch routines, served with --faults only:
//   /_test/echo          the request line and headers as the body
//   /_test/big?bytes=N   N bytes (default 3 MiB, at most 64 MiB) of numbered text
#include <cstddef>
#include <optional>
#include <string>

#include "Answer.h"
#include "LoggedRequest.h"

namespace tarvo::servers {

// The answer of a /_test/ path; nullopt for any other path.
std::optional<Answer> TestAnswer(const LoggedRequest& request, const std::string& path,
                                 const std::string& query);

// Byte i of the numbered text /_test/big sends: lines of 64 bytes, a
// six-digit line number, dashes, a line end.
char BigBodyByte(size_t index);

}  // namespace tarvo::servers
