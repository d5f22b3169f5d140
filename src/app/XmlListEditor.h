#pragma once
// The edits the list editors make to a list of named addresses (TV channels,
// sites) and to the XML list file it mirrors: each changes the list and the
// document, then saves. A save that fails puts the list back as it was and
// reloads the document from the file, so list, document and file agree and
// the same action can simply be tried again.
#include <vector>

#include "app/XmlListFile.h"

namespace tarvo {

enum class ListEditOutcome {
  kDone,
  kNoSelection,  // no row, or one the list does not hold
  kAtEdge,       // a move past the first or the last row
  kSaveFailed,   // nothing changed: the file could not be written
};

template <class Entry>
class XmlListEditor {
 public:
  XmlListEditor(std::vector<Entry>& entries, XmlListFile& document) : entries_(entries), document_(document) {}

  // Appends the entry as the file will read it back.
  ListEditOutcome Add(const Entry& entry) {
    const std::vector<Entry> before = entries_;
    entries_.push_back(ReadBack(entry));
    document_.Append(entries_.back().name, entries_.back().url);
    return Saved(before);
  }

  // The entry at index takes the new name and address; the document's first
  // element with the previous address follows.
  ListEditOutcome ModifyAt(int index, const Entry& entry) {
    if (!Holds(index)) return ListEditOutcome::kNoSelection;
    const std::vector<Entry> before = entries_;
    Entry& target = entries_[static_cast<size_t>(index)];
    const WString previousUrl = target.url;
    target = ReadBack(entry);
    document_.Modify(previousUrl, target.name, target.url);
    return Saved(before);
  }

  // Every entry named as the one at index takes the new name and address,
  // each in its own element (the k-th element with that name and address
  // for the k-th such entry). renamed receives their indices.
  ListEditOutcome ModifyByName(int index, const Entry& entry, std::vector<int>& renamed) {
    renamed.clear();
    if (!Holds(index)) return ListEditOutcome::kNoSelection;
    const std::vector<Entry> before = entries_;
    const WString previousName = entries_[static_cast<size_t>(index)].name;
    const Entry stored = ReadBack(entry);
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
      if (entries_[static_cast<size_t>(i)].name == previousName) renamed.push_back(i);
    // From the last one back, so the elements before each are still unchanged.
    for (auto at = renamed.rbegin(); at != renamed.rend(); ++at) {
      const WString& url = before[static_cast<size_t>(*at)].url;
      size_t nth = 0;
      for (auto earlier = renamed.begin(); *earlier != *at; ++earlier)
        if (before[static_cast<size_t>(*earlier)].url == url) ++nth;
      document_.ModifyNth(previousName, url, nth, stored.name, stored.url);
      entries_[static_cast<size_t>(*at)] = stored;
    }
    const ListEditOutcome outcome = Saved(before);
    if (outcome != ListEditOutcome::kDone) renamed.clear();
    return outcome;
  }

  // next: the row to select afterwards (the one now at index, else the new
  // last row, -1 when none is left).
  ListEditOutcome Delete(int index, int& next) {
    next = index;
    if (!Holds(index)) return ListEditOutcome::kNoSelection;
    const std::vector<Entry> before = entries_;
    const WString url = entries_[static_cast<size_t>(index)].url;
    entries_.erase(entries_.begin() + index);
    document_.Remove(url);
    const ListEditOutcome outcome = Saved(before);
    if (outcome == ListEditOutcome::kDone && next >= static_cast<int>(entries_.size()))
      next = static_cast<int>(entries_.size()) - 1;
    return outcome;
  }

  // step -1 moves up, 1 down.
  ListEditOutcome Move(int index, int step) {
    if (!Holds(index)) return ListEditOutcome::kNoSelection;
    const int other = index + step;
    if (!Holds(other)) return ListEditOutcome::kAtEdge;
    const std::vector<Entry> before = entries_;
    const WString url = entries_[static_cast<size_t>(index)].url;
    std::swap(entries_[static_cast<size_t>(index)], entries_[static_cast<size_t>(other)]);
    if (step < 0) {
      document_.MoveUp(url);
    } else {
      document_.MoveDown(url);
    }
    return Saved(before);
  }

 private:
  bool Holds(int index) const { return index >= 0 && index < static_cast<int>(entries_.size()); }

  static Entry ReadBack(const Entry& entry) {
    XmlListEntry back = XmlListFile::AsReadBack(entry.name, entry.url);
    Entry stored = entry;
    stored.name = std::move(back.name);
    stored.url = std::move(back.text);
    return stored;
  }

  ListEditOutcome Saved(const std::vector<Entry>& before) {
    if (document_.Save()) return ListEditOutcome::kDone;
    entries_ = before;
    document_.Load();
    return ListEditOutcome::kSaveFailed;
  }

  std::vector<Entry>& entries_;
  XmlListFile& document_;
};

}  // namespace tarvo
