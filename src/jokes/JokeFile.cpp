#include "jokes/JokeFile.h"

#include <algorithm>

#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

namespace tarvo {
namespace {

constexpr char16_t kJokeMark = u'#';
constexpr char16_t kJokeFileFormat[] = u"xh%05d.txt";

bool StartsJoke(WStringView text, size_t at) {
  return text[at] == kJokeMark &&
         (at == 0 || (at >= 2 && text[at - 2] == u'\r' && text[at - 1] == u'\n'));
}

}  // namespace

std::optional<std::vector<WString>> ParseJokeText(WStringView text) {
  if (text.empty() || text[0] != kJokeMark) return std::nullopt;
  std::vector<WString> jokes;
  size_t start = 1;
  for (size_t at = 1; at <= text.size(); ++at) {
    if (at == text.size() || StartsJoke(text, at)) {
      jokes.push_back(kJokeIndent + WString(text.substr(start, at - start)));
      start = at + 1;
    }
  }
  return jokes;
}

int CountJokeMarks(WStringView text) {
  int count = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] != kJokeMark) continue;
    if (at == 0 || (at >= 3 && (text[at - 2] == u'\r' || text[at - 1] == u'\n'))) ++count;
  }
  return count;
}

bool LoadJokeFile(FileAccess& files, WStringView path, std::vector<WString>& jokes, int position,
                  std::string_view codePage) {
  auto bytes = files.ReadAll(path);
  if (!bytes) return false;
  auto parsed = ParseJokeText(FromCodePage(*bytes, codePage));
  if (!parsed) return false;
  auto where = jokes.end();
  if (position != kAppendJokes) {
    where = jokes.begin() + std::clamp<ptrdiff_t>(position, 0, static_cast<ptrdiff_t>(jokes.size()));
  }
  jokes.insert(where, std::make_move_iterator(parsed->begin()), std::make_move_iterator(parsed->end()));
  return true;
}

int CountJokes(FileAccess& files, WStringView path, std::string_view codePage) {
  auto bytes = files.ReadAll(path);
  return bytes ? CountJokeMarks(FromCodePage(*bytes, codePage)) : 0;
}

WString JokeFileName(int number) { return Format(kJokeFileFormat, number); }

}  // namespace tarvo
