#pragma once
// The stand-in Youku site's catalogue: servers/data/youku/catalogue.txt read
// into what its pages are built from (UTF-8 texts, picture paths).
#include <map>
#include <string>
#include <vector>

namespace tarvo::servers::youku {

struct Episode {
  std::string name;
  std::string vid;
};

struct Season {
  std::string name;  // empty for a series without seasons
  std::vector<Episode> episodes;
};

struct Show {
  std::string title;
  std::string id;       // show id (episode list) or video id (film)
  std::string picture;
  std::string status;   // person and film status, or the series label
  std::vector<Season> seasons;  // tv seasons; one for episodes and variety
};

struct PlainVideo {
  std::string vid;
  std::string title;
  std::string duration;
  std::string intro;
  bool hd = false;
  int published = 0;
  int plays = 0;
  int comments = 0;
  int favourites = 0;
};

struct KeywordEntry {
  std::string notice;  // "", "none", "fault", "withheld" or "bare"
  std::vector<Show> series, persons, programmes, films, tv, episodes, variety;
  std::string photo;
  std::vector<PlainVideo> videos;
};

struct EpisodeList {
  bool loops = false;
  std::vector<Episode> episodes;
};

struct Catalogue {
  std::map<std::string, KeywordEntry> keywords;
  std::map<std::string, EpisodeList> episodeLists;  // by show id
  std::map<std::string, std::string> parseKinds;    // by video id
  std::map<std::string, std::string> titles;        // single-video page titles
};

// Reads the catalogue text; unknown or short lines are skipped.
Catalogue ReadCatalogue(const std::string& text);

// DATA/youku/catalogue.txt read (empty when the file is missing).
Catalogue ReadCatalogueFile(const std::string& dataDir);

}  // namespace tarvo::servers::youku
