#include "video/MarkerFinder.h"

#include <algorithm>
#include <cstring>

namespace tarvo::video {

MarkerFinder::Memo& MarkerFinder::MemoFor(WStringView marker) {
  for (Memo& memo : memos_) {
    if (memo.marker.size() == marker.size() &&
        std::memcmp(memo.marker.data(), marker.data(), marker.size() * sizeof(char16_t)) == 0) {
      return memo;
    }
  }
  // A fresh memo covers nothing yet: from > found never answers.
  Memo& memo = memos_.emplace_back();
  memo.marker = WString(marker);
  // Covers nothing yet.
  memo.from = 1;
  memo.to = 0;
  memo.hit = false;
  // Characters sharing a low byte share the smallest shift of any of them.
  const size_t last = marker.size() - 1;
  memo.shift.fill(static_cast<uint16_t>(std::min<size_t>(marker.size(), UINT16_MAX)));
  for (size_t i = 0; i < last; ++i) {
    memo.shift[marker[i] & 0xFF] = static_cast<uint16_t>(std::min<size_t>(last - i, UINT16_MAX));
  }
  return memo;
}

size_t MarkerFinder::Search(const Memo& memo, size_t from, size_t stop) const {
  const size_t length = memo.marker.size();
  const size_t size = text_.size();
  if (length > size || from > size - length || from >= stop) return kNotFound;
  const char16_t* text = text_.data();
  const char16_t* marker = memo.marker.data();
  const char16_t firstChar = marker[0];
  const char16_t lastChar = marker[length - 1];
  const size_t middleBytes = length > 2 ? (length - 2) * sizeof(char16_t) : 0;
  // The window's last character runs up to the text end and keeps the
  // window's start before stop.
  const size_t endStop = std::min(size, stop + length - 1);
  for (size_t end = from + length - 1; end < endStop; end += memo.shift[text[end] & 0xFF]) {
    const char16_t* start = text + end + 1 - length;
    if (text[end] == lastChar && *start == firstChar &&
        (middleBytes == 0 || std::memcmp(start + 1, marker + 1, middleBytes) == 0)) {
      return end + 1 - length;
    }
  }
  return kNotFound;
}

size_t MarkerFinder::Find(WStringView marker, size_t from, size_t limit) {
  if (from > text_.size()) return kNotFound;
  if (marker.empty()) return from < limit ? from : kNotFound;
  Memo& memo = MemoFor(marker);
  const size_t stop = std::min(limit, text_.size());
  size_t scanFrom = from;
  if (memo.from <= from && from <= memo.to) {
    if (memo.hit) return memo.to < limit ? memo.to : kNotFound;
    if (memo.to >= stop) return kNotFound;
    // Go on from where the last search of this marker stopped.
    scanFrom = memo.to;
  } else {
    memo.from = from;
  }
  size_t found = Search(memo, scanFrom, stop);
  memo.hit = found != kNotFound;
  memo.to = memo.hit ? found : std::max(stop, scanFrom);
  return found;
}

bool MarkerFinder::Cut(size_t& position, WStringView start, WStringView end, WString& field,
                       size_t limit) {
  field.clear();
  // The end marker may begin at limit itself.
  const size_t bound = limit == kNotFound ? kNotFound : limit + 1;
  size_t a = Find(start, position, bound);
  if (a == kNotFound) return false;
  size_t from = a + start.size();
  size_t b = Find(end, from, bound);
  if (b == kNotFound || b == from) return false;
  field.assign(text_.substr(from, b - from));
  position = b;
  return true;
}

}  // namespace tarvo::video
