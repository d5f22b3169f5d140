// Ticker lead and message files, the ranges they lead to, stored times.
#include <climits>
#include <cstdint>
#include <string_view>

#include "launcher/TickerLead.h"
#include "launcher/TickerMessages.h"
#include "launcher/TickerSchedule.h"
#include "platform/text/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  WString text = FromCodePage(std::string_view(reinterpret_cast<const char*>(data), size));
  if (auto config = ParseTickerLead(text)) {
    for (const MessageGroup& group : config->groups) {
      for (const TickerFileRange& range : TickerMessageFiles(group.start, group.end, group.step)) {
        std::vector<TickerMessage> messages;
        ParseTickerMessages(text, range.first, range.last, messages);
      }
    }
  }
  std::vector<TickerMessage> messages;
  ParseTickerMessages(text, 1, INT_MAX, messages);
  ParseTickerMessages(text, INT_MIN, 0, messages);
  IsTickerRefreshDue(WStringView(text), 60, SystemTime());
  return 0;
}
