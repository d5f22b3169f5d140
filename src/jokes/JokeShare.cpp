#include "jokes/JokeShare.h"

namespace tarvo {
namespace {

constexpr char16_t kSmsPrefix[] = u"-service \"SMS\" -to \"\" -body \"";
constexpr char16_t kEmailPrefix[] = u"-service \"ActiveSync\" -to \"\" -body \"";
constexpr char16_t kOpeningQuote = u'“';
constexpr char16_t kClosingQuote = u'”';

}  // namespace

WString BuildShareCommandLine(JokeShareService service, const std::optional<WString>& joke) {
  WString line = service == JokeShareService::Sms ? kSmsPrefix : kEmailPrefix;
  if (joke) {
    bool opening = true;
    for (char16_t c : *joke) {
      if (c == u'"') {
        line += opening ? kOpeningQuote : kClosingQuote;
        opening = !opening;
      } else {
        line += c;
      }
    }
  }
  line += u'"';
  return line;
}

}  // namespace tarvo
