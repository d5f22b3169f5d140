#include "launcher/TickerMessages.h"

#include <algorithm>
#include <set>

#include "launcher/TickerLead.h"
#include "platform/text/Format.h"

namespace tarvo {
namespace {

constexpr char16_t kTextKey[] = u"tarvomsg";
constexpr char16_t kTextKeyFormat[] = u"tarvomsg%d";
constexpr char16_t kActionKeyFormat[] = u"action%d";
constexpr char16_t kUrlKeyFormat[] = u"url%d";
constexpr size_t kMaxIndexDigits = 10;

// The indices i for which "tarvomsg" followed by the digits of i occurs in
// the text: every leading part of the digits after each "tarvomsg". Only
// these can give a message, so a huge range costs nothing.
std::set<long long> PresentIndices(WStringView text) {
  std::set<long long> indices;
  const WStringView key(kTextKey);
  for (size_t at = text.find(key); at != WStringView::npos; at = text.find(key, at + 1)) {
    long long number = 0;
    for (size_t i = at + key.size(), digits = 0;
         i < text.size() && digits < kMaxIndexDigits && text[i] >= u'0' && text[i] <= u'9';
         ++i, ++digits) {
      if (digits > 0 && number == 0) break;  // "%d" never writes a leading zero
      number = number * 10 + (text[i] - u'0');
      indices.insert(number);
    }
  }
  return indices;
}

}  // namespace

std::vector<TickerFileRange> TickerMessageFiles(int start, int end, int step) {
  std::vector<TickerFileRange> files;
  if (start < 1 || end < start || step < 1) return files;
  int firstFile = (start - 1) / step + 1;
  int lastFile = (end - 1) / step + 1;
  lastFile = std::min(lastFile, firstFile + kMaxTickerGroupFiles - 1);
  for (int file = firstFile; file <= lastFile; ++file) {
    int first = file == firstFile ? (start - 1) % step + 1 : 1;
    int last = file == (end - 1) / step + 1 ? (end - 1) % step + 1 : step;
    files.push_back({file, first, last});
  }
  return files;
}

bool IsTickerMessageList(WStringView text) { return text.find(kTextKey) != WStringView::npos; }

void ParseTickerMessages(WStringView text, int first, int last,
                         std::vector<TickerMessage>& messages) {
  if (first > last) return;
  std::set<long long> present = PresentIndices(text);
  for (auto it = present.lower_bound(first); it != present.end() && *it <= last; ++it) {
    int index = static_cast<int>(*it);
    TickerMessage message;
    message.text = FindTickerValue(text, Format(kTextKeyFormat, index)).value_or(WString());
    message.action = FindTickerInt(text, Format(kActionKeyFormat, index));
    message.url = FindTickerValue(text, Format(kUrlKeyFormat, index)).value_or(WString());
    messages.push_back(std::move(message));
  }
}

}  // namespace tarvo
