// Joke files, the joke lead file, the saved accounts file, the share command
// line (no ASCII double quote may be left in the joke's part) and the page box.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "jokes/AccountFile.h"
#include "jokes/JokeFile.h"
#include "jokes/JokeShare.h"
#include "jokes/JokeStore.h"
#include "jokes/PageNumber.h"
#include "platform/text/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  WString text = FromCodePage(bytes);
  ParseJokeText(text);
  CountJokeMarks(text);
  JokeLead lead = ParseJokeLead(bytes);
  if (lead.usable) JokeWideningOrder(JokeStartPosition(lead.step * 3, lead.step).file, lead.end);
  for (const JokeShareService service : {JokeShareService::Sms, JokeShareService::Email}) {
    const WString line = BuildShareCommandLine(service, text);
    const WString empty = BuildShareCommandLine(service, std::nullopt);
    // Past the prefix the body holds the joke with every ASCII quote turned.
    const size_t prefix = empty.size() - 1;  // up to the opening quote; the closing one ends the line
    if (line.size() < empty.size() || line.compare(0, prefix, empty, 0, prefix) != 0) std::abort();
    if (line.find(u'"', prefix) != line.size() - 1) std::abort();
  }
  if (auto page = ReadPageNumber(text, 1000); page && (*page < 1 || *page > 1000)) std::abort();
  for (const Account& account : ParseAccounts(bytes)) {
    PasswordFromStored(account.name, account.storedPassword);
  }
  return 0;
}
