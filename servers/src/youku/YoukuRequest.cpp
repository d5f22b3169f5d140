#include "youku/YoukuRequest.h"

namespace tarvo::servers::youku {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A decimal number of one to six digits; nullopt otherwise.
std::optional<int> SmallNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

std::string DecodeKeyword(std::string_view encoded) {
  std::string bytes;
  size_t at = 0;
  while (at < encoded.size()) {
    if (encoded[at] != '%') {
      bytes += encoded[at++];
      continue;
    }
    ++at;
    int value = -1;
    for (int digits = 0; digits < 2 && at < encoded.size(); ++digits) {
      const int hex = HexValue(encoded[at]);
      if (hex < 0) break;
      value = (value < 0 ? 0 : value * 16) + hex;
      ++at;
    }
    if (value >= 0) bytes += static_cast<char>(value);
  }
  return bytes;
}

std::optional<SearchRequest> ParseSearchTarget(std::string_view rawTarget) {
  const std::string_view path = rawTarget.substr(0, rawTarget.find('?'));
  constexpr std::string_view kPrefix = "/search_video/q_";
  const size_t start = path.find(kPrefix);
  if (start == std::string_view::npos) return std::nullopt;
  std::string_view rest = path.substr(start + kPrefix.size());
  const size_t order = rest.rfind("_orderby_");
  if (order == std::string_view::npos) return std::nullopt;
  SearchRequest request;
  request.keyword = DecodeKeyword(rest.substr(0, order));
  rest = rest.substr(order + 9);
  const size_t hd = rest.find("_hd_");
  const size_t page = rest.find("_page_");
  if (hd == std::string_view::npos || page == std::string_view::npos || page < hd) return std::nullopt;
  auto o = SmallNumber(rest.substr(0, hd));
  auto h = SmallNumber(rest.substr(hd + 4, page - hd - 4));
  auto p = SmallNumber(rest.substr(page + 6));
  if (!o || !h || !p) return std::nullopt;
  request.order = *o;
  request.hd = *h;
  request.page = *p < 1 ? 1 : *p;
  return request;
}

std::string ParseAddress(std::string_view rawQuery) {
  const size_t kw = rawQuery.find("kw=");
  if (kw == std::string_view::npos) return "";
  const std::string_view raw = rawQuery.substr(kw + 3);
  std::string address;
  for (size_t at = 0; at < raw.size(); ++at) {
    if (raw[at] == '%' && at + 2 < raw.size() && HexValue(raw[at + 1]) >= 0 && HexValue(raw[at + 2]) >= 0) {
      address += static_cast<char>(HexValue(raw[at + 1]) * 16 + HexValue(raw[at + 2]));
      at += 2;
    } else {
      address += raw[at];
    }
  }
  return address;
}

std::optional<EpisodeListRequest> ParseEpisodeListPath(std::string_view path) {
  constexpr std::string_view kPrefix = "/show_eplist/showid_z";
  if (!StartsWith(path, kPrefix)) return std::nullopt;
  std::string_view rest = path.substr(kPrefix.size());
  constexpr std::string_view kFirst = "_type_list.html";
  if (EndsWith(rest, kFirst)) {
    rest.remove_suffix(kFirst.size());
    if (rest.empty()) return std::nullopt;
    return EpisodeListRequest{std::string(rest), 1};
  }
  const size_t page = rest.rfind("_page_");
  if (page == std::string_view::npos || page == 0 || !EndsWith(rest, ".html")) return std::nullopt;
  auto number = SmallNumber(rest.substr(page + 6, rest.size() - page - 6 - 5));
  if (!number || *number < 1) return std::nullopt;
  return EpisodeListRequest{std::string(rest.substr(0, page)), *number};
}

std::optional<std::string> VideoIdOf(std::string_view address) {
  constexpr std::string_view kMarker = "/v_show/id_";
  const size_t at = address.find(kMarker);
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view rest = address.substr(at + kMarker.size());
  if (!EndsWith(rest, ".html")) return std::nullopt;
  rest.remove_suffix(5);
  if (rest.empty() || rest.find('/') != std::string_view::npos) return std::nullopt;
  return std::string(rest);
}

}  // namespace tarvo::servers::youku
