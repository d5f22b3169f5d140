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
// blanks, "#" and bytes of 0x7F and above). A "%" is never escaped again,
// also when fewer than two hexadecimal digits follow it.
std::string EscapeRequestBytes(std::string_view bytes);

}  // namespace tarvo
