#include "youku/YoukuCatalogue.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tarvo::servers::youku {
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

// "NAME:VID,NAME:VID" or "VID,VID" (named 1, 2, ...).
std::vector<Episode> Episodes(const std::string& list) {
  std::vector<Episode> episodes;
  int number = 1;
  for (const std::string& item : Split(list, ',')) {
    if (item.empty()) continue;
    const size_t colon = item.rfind(':');
    if (colon == std::string::npos)
      episodes.push_back({std::to_string(number), item});
    else
      episodes.push_back({item.substr(0, colon), item.substr(colon + 1)});
    ++number;
  }
  return episodes;
}

// "NAME:VID,VID|NAME:VID" (seasons) or "VID,VID" (one unnamed season).
std::vector<Season> Seasons(const std::string& text) {
  std::vector<Season> seasons;
  for (const std::string& part : Split(text, '|')) {
    const size_t colon = part.find(':');
    if (colon == std::string::npos || part.find(',') < colon) {
      seasons.push_back({"", Episodes(part)});
    } else {
      seasons.push_back({part.substr(0, colon), Episodes(part.substr(colon + 1))});
    }
  }
  return seasons;
}

int Number(const std::string& text) {
  try {
    return std::stoi(text);
  } catch (...) {
    return 0;
  }
}

// COUNT generated plain videos with fields that order differently.
void AddVideos(KeywordEntry& entry, int count, const std::string& stem, const std::string& title) {
  for (int i = 1; i <= count && i <= 99; ++i) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", i);
    char duration[16];
    std::snprintf(duration, sizeof duration, "%02d:%02d", (i * 7) % 60, (i * 13) % 60);
    PlainVideo video;
    video.vid = stem + digits;
    video.title = title + digits;
    video.duration = duration;
    video.intro = i % 3 == 0 ? "" : title + digits + "的介绍";
    video.hd = i % 2 == 1;
    video.published = i;
    video.plays = (i * 37) % 101;
    video.comments = (i * 53) % 97;
    video.favourites = (i * 71) % 89;
    entry.videos.push_back(std::move(video));
  }
}

}  // namespace

Catalogue ReadCatalogue(const std::string& text) {
  Catalogue catalogue;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> f = Split(line, '\t');
    if (f.size() < 3) continue;
    const std::string& kind = f[0];
    if (kind == "eplist" && f.size() >= 4) {
      catalogue.episodeLists[f[1]] = {f[2] == "loop", Episodes(f[3])};
      continue;
    }
    if (kind == "parse") {
      catalogue.parseKinds[f[1]] = f[2];
      continue;
    }
    if (kind == "title") {
      catalogue.titles[f[1]] = f[2];
      continue;
    }
    KeywordEntry& entry = catalogue.keywords[f[1]];
    if (kind == "notice") {
      entry.notice = f[2];
    } else if (kind == "photo") {
      entry.photo = f[2];
    } else if (kind == "series" && f.size() >= 5) {
      entry.series.push_back({f[2], f[3], f[4], "", {}});
    } else if (kind == "person" && f.size() >= 5) {
      entry.persons.push_back({f[2], f[3], "", f[4], {}});
    } else if (kind == "programme" && f.size() >= 5) {
      entry.programmes.push_back({f[2], f[3], f[4], "", {}});
    } else if (kind == "film" && f.size() >= 6) {
      entry.films.push_back({f[2], f[3], f[4], f[5], {}});
    } else if (kind == "tv" && f.size() >= 5) {
      entry.tv.push_back({f[2], "", f[3], "", Seasons(f[4])});
    } else if ((kind == "episodes" || kind == "variety") && f.size() >= 6) {
      Show show{f[2], "", f[3], f[4], {Season{"", Episodes(f[5])}}};
      (kind == "episodes" ? entry.episodes : entry.variety).push_back(std::move(show));
    } else if (kind == "videos" && f.size() >= 5) {
      AddVideos(entry, Number(f[2]), f[3], f[4]);
    }
  }
  return catalogue;
}

Catalogue ReadCatalogueFile(const std::string& dataDir) {
  std::ifstream in(dataDir + "/youku/catalogue.txt", std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  return ReadCatalogue(text.str());
}

}  // namespace tarvo::servers::youku
