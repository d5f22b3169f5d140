#pragma once
// Joke files: text in the device's code page, each joke starting after a "#"
// at the start of the file or right after CR LF.
#include <vector>

#include "platform/device/FileAccess.h"
#include "platform/text/WString.h"

namespace tarvo {

// Held in front of every joke in memory.
inline constexpr char16_t kJokeIndent[] = u"    ";
// LoadJokeFile's position for appending.
inline constexpr int kAppendJokes = -1;

// The jokes of a file's text, each with kJokeIndent in front and its line
// end kept; nullopt when the text does not begin with "#".
std::optional<std::vector<WString>> ParseJokeText(WStringView text);

// The count that tells whether a downloaded file is complete: every "#" at
// offset 0, or at offset 3 or more with CR two characters before it or LF
// right before it.
int CountJokeMarks(WStringView text);

// Parses the file and puts its jokes into the list: appended for
// kAppendJokes, else inserted in order from that index (at most the end).
// False when the file cannot be read or is not a joke file.
bool LoadJokeFile(FileAccess& files, WStringView path, std::vector<WString>& jokes,
                  int position = kAppendJokes, std::string_view codePage = "GBK");
// 0 when the file cannot be read.
int CountJokes(FileAccess& files, WStringView path, std::string_view codePage = "GBK");

// "xh%05d.txt".
WString JokeFileName(int number);

}  // namespace tarvo
