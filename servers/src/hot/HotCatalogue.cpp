#include "hot/HotCatalogue.h"

#include <fstream>
#include <sstream>

#include "platform/text/Utf8.h"

namespace tarvo::servers::hot {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t from = 0;
  for (;;) {
    const size_t at = line.find('\t', from);
    fields.push_back(line.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return fields;
    from = at + 1;
  }
}

// Ids end up in paths and links that the client cuts at blanks and ">": only
// letters and digits. "flv" is what the player turns into "play", so an id
// holding it would play another address.
bool SafeId(const std::string& id) {
  if (id.empty() || id.size() > 32 || id.find("flv") != std::string::npos) return false;
  for (unsigned char c : id) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return true;
}

// A title is cut between ">" and "<" by the client, and a page marker or a
// link inside one would end or add items there.
bool SafeTitle(const std::string& title) {
  if (title.empty() || title.find_first_of(std::string("<>\r\n\0", 5)) != std::string::npos) return false;
  if (ToUtf8(FromUtf8(title)) != title) return false;  // only whole UTF-8 characters
  for (const char* marker : {"href=", "普通视频", "视频专辑", "高清视频", "回顶部", "上一页", "下一页"}) {
    if (title.find(marker) != std::string::npos) return false;
  }
  return true;
}

}  // namespace

HotCatalogue ReadHotCatalogue(const std::string& text) {
  HotCatalogue catalogue;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> f = SplitTabs(line);
    const std::string& kind = f[0];
    if (kind == "index" && f.size() >= 3) {
      if (SafeId(f[1]) && SafeTitle(f[2])) catalogue.index.push_back({f[1], f[2]});
      continue;
    }
    if (f.size() < 4 || f[1].empty() || !SafeId(f[2]) || !SafeTitle(f[3])) continue;
    HotEntry entry{f[2], f[3]};
    if (kind == "tudou") catalogue.tudou[f[1]].push_back(entry);
    else if (kind == "album") catalogue.albums[f[1]].push_back(entry);
    else if (kind == "youku") catalogue.youku[f[1]].push_back(entry);
  }
  return catalogue;
}

HotCatalogue ReadHotCatalogueFile(const std::string& dataDir) {
  std::ifstream in(dataDir + "/hot/catalogue.txt", std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  return ReadHotCatalogue(text.str());
}

int IndexPageCount(const HotCatalogue& catalogue) {
  const int count = static_cast<int>(catalogue.index.size());
  return count == 0 ? 1 : (count + kIndexPageSize - 1) / kIndexPageSize;
}

}  // namespace tarvo::servers::hot
