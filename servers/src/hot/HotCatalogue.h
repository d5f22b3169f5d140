#pragma once
// The stand-in hot-video page server's catalogue: servers/data/hot/catalogue.txt
// read into the items its Tudou and Youku proxy pages list (UTF-8 titles).
#include <map>
#include <string>
#include <vector>

namespace tarvo::servers::hot {

struct HotEntry {
  std::string id;     // the video id: ASCII letters and digits
  std::string title;  // UTF-8, without "<", ">" or line ends
};

struct HotCatalogue {
  // Ordinary videos of a Tudou channel page by its "url1=" host; "front" is "/tudou/".
  std::map<std::string, std::vector<HotEntry>> tudou;
  // The album part of a Tudou channel page (never read as items).
  std::map<std::string, std::vector<HotEntry>> albums;
  // Youku category pages by catpid.
  std::map<std::string, std::vector<HotEntry>> youku;
  // The Youku index, paged; "/yk/" shows its first page.
  std::vector<HotEntry> index;
};

inline constexpr char kTudouFront[] = "front";
inline constexpr int kIndexPageSize = 5;

// Reads the catalogue text; unknown, short or unsafe lines are skipped.
HotCatalogue ReadHotCatalogue(const std::string& text);

// DATA/hot/catalogue.txt read; nullopt-like empty catalogue when missing.
HotCatalogue ReadHotCatalogueFile(const std::string& dataDir);

// The number of index pages (at least 1).
int IndexPageCount(const HotCatalogue& catalogue);

}  // namespace tarvo::servers::hot
