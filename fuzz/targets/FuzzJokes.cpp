// Joke files, the joke lead file and the saved accounts file.
#include <cstdint>
#include <string_view>

#include "jokes/AccountFile.h"
#include "jokes/JokeFile.h"
#include "jokes/JokeStore.h"
#include "platform/text/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  WString text = FromCodePage(bytes);
  ParseJokeText(text);
  CountJokeMarks(text);
  JokeLead lead = ParseJokeLead(bytes);
  if (lead.usable) JokeWideningOrder(JokeStartPosition(lead.step * 3, lead.step).file, lead.end);
  for (const Account& account : ParseAccounts(bytes)) {
    PasswordFromStored(account.name, account.storedPassword);
  }
  return 0;
}
