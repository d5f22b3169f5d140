#include "TvRoutes.h"

#include <fstream>
#include <sstream>

#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

namespace tarvo::servers {
namespace {

constexpr int kClipWidth = 160;
constexpr int kClipHeight = 120;
constexpr int kClipFrames = 30;  // three seconds at 10 frames a second
constexpr int kMaxClipNumber = 99;

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::optional<int> ClipNumber(const std::string& path) {
  const std::string prefix = "/tv/";
  const std::string suffix = ".y4m";
  if (path.size() <= prefix.size() + suffix.size() || path.compare(0, prefix.size(), prefix) != 0 ||
      path.compare(path.size() - suffix.size(), suffix.size(), suffix) != 0)
    return std::nullopt;
  const std::string digits = path.substr(prefix.size(), path.size() - prefix.size() - suffix.size());
  if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int number = std::stoi(digits);
  if (number < 1 || number > kMaxClipNumber) return std::nullopt;
  return number;
}

}  // namespace

std::string TvListText(const std::string& channels, const std::string& base) {
  std::string list;
  std::istringstream lines(channels);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    std::string address = line.substr(tab + 1);
    if (!address.empty() && address[0] == '/') address = base + address;
    list += "#" + line.substr(0, tab) + "\r\n" + address + "\r\n";
  }
  return list;
}

// A moving grey ramp whose brightness and chroma follow the clip's number.
std::string TvClip(int number) {
  std::string clip = "YUV4MPEG2 W" + std::to_string(kClipWidth) + " H" + std::to_string(kClipHeight) +
                     " F10:1 Ip A1:1 C420jpeg\n";
  const size_t luma = static_cast<size_t>(kClipWidth) * kClipHeight;
  for (int frame = 0; frame < kClipFrames; ++frame) {
    clip += "FRAME\n";
    for (int y = 0; y < kClipHeight; ++y)
      for (int x = 0; x < kClipWidth; ++x) clip += static_cast<char>((x + y + frame * 4 + number * 40) & 0xFF);
    clip.append(luma / 4, static_cast<char>((number * 50) & 0xFF));
    clip.append(luma / 4, static_cast<char>((255 - number * 30) & 0xFF));
  }
  return clip;
}

std::optional<Answer> TvAnswer(const std::string& dataDir, const std::string& base, const std::string& path) {
  if (path == "/tarvo/tvlist.txt") {
    const auto channels = ReadFile(dataDir + "/tv/channels.txt");
    // Without a channel file the content folder's own tvlist.txt (if any) answers.
    if (!channels) return std::nullopt;
    return Answer{200, "text/plain", ToCodePage(FromUtf8(TvListText(*channels, base)), "GBK")};
  }
  if (auto number = ClipNumber(path)) return Answer{200, "application/octet-stream", TvClip(*number)};
  return std::nullopt;
}

}  // namespace tarvo::servers
