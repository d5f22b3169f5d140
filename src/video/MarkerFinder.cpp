#include "video/MarkerFinder.h"

namespace tarvo::video {

MarkerFinder::Memo& MarkerFinder::MemoFor(WStringView marker) {
  for (Memo& memo : memos_) {
    if (memo.marker.size() == marker.size() && memo.marker == marker) return memo;
  }
  // A fresh memo covers nothing yet: from > found never answers.
  memos_.push_back(Memo{WString(marker), 1, 0});
  return memos_.back();
}

size_t MarkerFinder::Find(WStringView marker, size_t from) {
  if (from > text_.size()) return kNotFound;
  if (marker.empty()) return from;
  Memo& memo = MemoFor(marker);
  if (memo.from <= from && (memo.found == kNotFound || from <= memo.found)) return memo.found;
  // Search from the text itself, then remember the span just covered.
  size_t found = text_.find(marker, from);
  memo.from = from;
  memo.found = found;
  return found;
}

bool MarkerFinder::Cut(size_t& position, WStringView start, WStringView end, WString& field,
                       size_t limit) {
  field.clear();
  size_t a = Find(start, position);
  if (a == kNotFound) return false;
  size_t from = a + start.size();
  size_t b = Find(end, from);
  if (b == kNotFound || b == from || b > limit) return false;
  field.assign(text_.substr(from, b - from));
  position = b;
  return true;
}

}  // namespace tarvo::video
