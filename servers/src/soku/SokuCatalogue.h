#pragma once
// The stand-in Soku site's catalogue: servers/data/soku/catalogue.txt read
// into what its pages are built from (UTF-8 texts). Videos are the Youku
// stand-in's single-video pages, so the parse page resolves them.
#include <map>
#include <string>
#include <vector>

namespace tarvo::servers::soku {

// One item of a list. target says where its link points and in which form:
//   VID      an absolute video page address in href
//   ~VID     href "javascript:void(0);", clicklog('/go?to=' + the address)
//   !VID     a relative href and clicklog('/v_show/id_VID.html'), no "http"
//   @ID      href "javascript:void(0);", clicklog('/soku/guide/ID.html')
//   #ID      a relative href and clicklog('/soku/series/ID.html')
//   +ID      an absolute series page address in href
struct SokuEpisode {
  std::string name;
  std::string target;
};

struct SokuTab {
  std::string label;
  std::vector<SokuEpisode> episodes;
};

// A category entry of a result page.
struct SokuShow {
  std::string title;
  std::string picture;
  std::string entry;                  // entry page id (links form)
  std::vector<SokuEpisode> episodes;  // items in place
};

struct SokuVideo {
  std::string vid;
  std::string title;
  std::string caption;
  std::string duration;  // empty: the item has no "class="time">"
  bool hd = false;
};

struct SokuKeyword {
  std::string notice;  // "", "none" or "fault"
  std::string person;  // the person's name when the keyword names one
  std::vector<SokuShow> personTv, personVariety, tv, cartoon, film, variety;
  std::vector<SokuVideo> videos;
};

// An entry page or a series page: a title, an optional person heading (a
// series page in the tab layout) and its blocks.
struct SokuEpisodePage {
  std::string title;
  std::string person;
  std::vector<SokuTab> tabs;
};

struct SokuCatalogue {
  std::map<std::string, SokuKeyword> keywords;
  std::map<std::string, SokuEpisodePage> entries;
  std::map<std::string, std::vector<std::string>> guides;  // guide id -> series ids
  std::map<std::string, SokuEpisodePage> series;
};

// Reads the catalogue text; unknown or short lines are skipped.
SokuCatalogue ReadSokuCatalogue(const std::string& text);
// DATA/soku/catalogue.txt read (empty when the file is missing).
SokuCatalogue ReadSokuCatalogueFile(const std::string& dataDir);

// The duration an episode's item shows: from its place in the list.
std::string EpisodeDuration(size_t index);

}  // namespace tarvo::servers::soku
