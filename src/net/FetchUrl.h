#pragma once
// How a fetch turns the address it is given into the request it makes.
#include <optional>
#include <string>

#include "platform/text/WString.h"

namespace tarvo {

struct FetchTarget {
  std::string host;  // with ":port" when the address gives one
  std::string path;  // after the host's "/", possibly empty; unsafe bytes escaped
  std::string Url() const { return "http://" + host + "/" + path; }
};

// The first seven characters are taken for "http://"; the host runs to the
// first "/" after them. nullopt (nothing is requested) for an address of
// seven characters or fewer, or one without a "/" after the host.
std::optional<FetchTarget> ParseFetchUrl(WStringView url);

// Percent-encodes the bytes that would break a request line (controls,
// blanks, "#", a "%" that starts no escape, and bytes of 0x7F and above);
// an existing "%XX" stays as it is.
std::string EscapeRequestBytes(std::string_view bytes);

}  // namespace tarvo
