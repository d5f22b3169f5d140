#include "soku/SokuCatalogue.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tarvo::servers::soku {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (;;) {
    const size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return parts;
    from = at + 1;
  }
}

// "NAME:TARGET,NAME:TARGET"; an item without a name is skipped.
std::vector<SokuEpisode> Episodes(const std::string& list) {
  std::vector<SokuEpisode> episodes;
  for (const std::string& item : Split(list, ',')) {
    const size_t colon = item.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == item.size()) continue;
    episodes.push_back({item.substr(0, colon), item.substr(colon + 1)});
  }
  return episodes;
}

// "LABEL=EPISODES|LABEL=EPISODES"; a block without "=" has no label.
std::vector<SokuTab> Tabs(const std::string& text) {
  std::vector<SokuTab> tabs;
  for (const std::string& part : Split(text, '|')) {
    const size_t equals = part.find('=');
    SokuTab tab;
    if (equals == std::string::npos) {
      tab.episodes = Episodes(part);
    } else {
      tab.label = part.substr(0, equals);
      tab.episodes = Episodes(part.substr(equals + 1));
    }
    if (!tab.episodes.empty()) tabs.push_back(std::move(tab));
  }
  return tabs;
}

int Number(const std::string& text) {
  if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoi(text);
}

// COUNT videos STEM01.. titled TITLE01..; odd ones are HD, every tenth has
// no duration. (A reader that finds no duration in an item takes the next
// one's and skips that item, so only the last item of a page goes without.)
void AddVideos(SokuKeyword& keyword, int count, const std::string& stem, const std::string& title) {
  for (int i = 1; i <= count && i <= 99; ++i) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", i);
    char duration[16];
    std::snprintf(duration, sizeof duration, "%02d:%02d", (i * 7) % 60, (i * 13) % 60);
    SokuVideo video;
    video.vid = stem + digits;
    video.title = title + digits;
    video.caption = "第" + std::to_string(i) + "段";
    video.duration = i % 10 == 0 ? "" : duration;
    video.hd = i % 2 == 1;
    keyword.videos.push_back(std::move(video));
  }
}

}  // namespace

std::string EpisodeDuration(size_t index) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", 20 + static_cast<int>(index % 30), static_cast<int>(index * 11 % 60));
  return text;
}

SokuCatalogue ReadSokuCatalogue(const std::string& text) {
  SokuCatalogue catalogue;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> f = Split(line, '\t');
    if (f.size() < 3) continue;
    const std::string& kind = f[0];
    if (kind == "entry" && f.size() >= 4) {
      catalogue.entries[f[1]] = {f[2], "", Tabs(f[3])};
    } else if (kind == "series" && f.size() >= 5) {
      catalogue.series[f[1]] = {f[3], f[2] == "-" ? "" : f[2], Tabs(f[4])};
    } else if (kind == "guide") {
      for (const std::string& id : Split(f[2], ','))
        if (!id.empty()) catalogue.guides[f[1]].push_back(id);
    } else if (kind == "notice") {
      catalogue.keywords[f[1]].notice = f[2];
    } else if (kind == "person") {
      catalogue.keywords[f[1]].person = f[2];
    } else if (kind == "persontv") {
      catalogue.keywords[f[1]].personTv.push_back({"", "", "", Episodes(f[2])});
    } else if (kind == "tv" && f.size() >= 4) {
      catalogue.keywords[f[1]].tv.push_back({f[2], "", "", Episodes(f[3])});
    } else if (kind == "cartoon" && f.size() >= 4) {
      catalogue.keywords[f[1]].cartoon.push_back({"", f[2], f[3], {}});
    } else if ((kind == "personva" || kind == "film" || kind == "variety") && f.size() >= 5) {
      SokuKeyword& keyword = catalogue.keywords[f[1]];
      auto& list = kind == "personva" ? keyword.personVariety : kind == "film" ? keyword.film : keyword.variety;
      list.push_back({f[2], f[3], f[4], {}});
    } else if (kind == "videos" && f.size() >= 5) {
      AddVideos(catalogue.keywords[f[1]], Number(f[2]), f[3], f[4]);
    }
  }
  return catalogue;
}

SokuCatalogue ReadSokuCatalogueFile(const std::string& dataDir) {
  std::ifstream in(dataDir + "/soku/catalogue.txt", std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  return ReadSokuCatalogue(text.str());
}

}  // namespace tarvo::servers::soku
