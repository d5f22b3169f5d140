#pragma once
// Marker search over one page with a memory per marker: the last search of a
// marker remembers where it started and what it found (or that it found
// nothing to the end), so a later search starting between those two points
// answers at once. Parsers that look for an optional marker once per item
// stay linear in the page size instead of rescanning the rest of the page.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/text/WString.h"

namespace tarvo::video {

inline constexpr size_t kNotFound = WStringView::npos;

class MarkerFinder {
 public:
  explicit MarkerFinder(WStringView text) : text_(text) {}

  WStringView Text() const { return text_; }
  size_t Size() const { return text_.size(); }

  // First occurrence of marker starting at or after from and before limit;
  // kNotFound when none.
  size_t Find(WStringView marker, size_t from = 0, size_t limit = kNotFound);
  bool Contains(WStringView marker) { return Find(marker) != kNotFound; }

  // The field between start and end, as ExtractBetween (TextCut.h) cuts it,
  // and only when the end marker begins at or before limit. On success the
  // position moves to the end marker; on failure it stays and field is empty.
  bool Cut(size_t& position, WStringView start, WStringView end, WString& field,
           size_t limit = kNotFound);

 private:
  // A marker with its search table (Horspool shifts keyed by the low byte
  // of a character) and what its searches so far have shown: no occurrence
  // starts in [from, to), and when hit, one starts at to.
  struct Memo {
    WString marker;
    size_t from;
    size_t to;
    bool hit;
    std::array<uint16_t, 256> shift;
  };
  Memo& MemoFor(WStringView marker);
  // First start position in [from, stop) of the marker, or kNotFound.
  size_t Search(const Memo& memo, size_t from, size_t stop) const;

  WStringView text_;
  std::vector<Memo> memos_;
};

}  // namespace tarvo::video
