// Writes the stand-in Youku site's and parse page's generated pages into the
// corpora of the page readers, and its request targets into the request
// decoder's. Usage: tarvo_seed_youku_corpora CORPUS-FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/text/Utf8.h"
#include "video/KeywordEncoding.h"
#include "youku/YoukuPages.h"
#include "youku/YoukuRoutes.h"

namespace {

constexpr char kBase[] = "http://127.0.0.1:28080";

struct Seeder {
  std::filesystem::path corpus;
  int written = 0;

  void Write(const std::string& target, const std::string& name, const std::string& bytes) {
    if (bytes.empty()) return;
    const auto folder = corpus / target;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / ("site_" + name), std::ios::binary) << bytes;
    ++written;
  }
  // The answer the stand-in gives this target (path decoded as the server does).
  std::string Fetch(const std::string& path, const std::string& rawTarget, const std::string& query = "") {
    auto answer = tarvo::servers::YoukuAnswer(TARVO_SERVER_DATA_DIR, kBase, path, rawTarget, query);
    return answer && answer->status == 200 ? answer->body : "";
  }
};

std::string Safe(std::string name) {
  for (char& c : name)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) c = '_';
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tarvo;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
    return 2;
  }
  Seeder seeder{argv[1]};
  const servers::youku::Catalogue catalogue = servers::youku::ReadCatalogueFile(TARVO_SERVER_DATA_DIR);
  int keywordNumber = 0;
  for (const auto& [keyword, entry] : catalogue.keywords) {
    ++keywordNumber;
    for (int page = 1; page <= 3; ++page) {
      for (int hd = 0; hd <= 1; ++hd) {
        const std::string target = ToUtf8(video::YoukuSearchPath(FromUtf8(keyword), 2, hd, page));
        const std::string path = "/search_video/q_" + keyword + target.substr(target.rfind("_orderby_"));
        const std::string name = "k" + std::to_string(keywordNumber) + "_p" + std::to_string(page) + "_hd" +
                                 std::to_string(hd);
        seeder.Write("youku_page", name + ".html", seeder.Fetch(path, target));
        if (page == 1 && hd == 0) seeder.Write("youku_requests", name + ".txt", target);
      }
    }
  }
  for (const auto& [showId, list] : catalogue.episodeLists) {
    for (int page = 1; page <= 4; ++page) {
      const std::string path = page == 1 ? "/show_eplist/showid_z" + showId + "_type_list.html"
                                         : "/show_eplist/showid_z" + showId + "_page_" + std::to_string(page) + ".html";
      const std::string name = "show" + Safe(showId) + "_p" + std::to_string(page);
      seeder.Write("youku_episodes", name + ".html", seeder.Fetch(path, path));
      if (page <= 2) seeder.Write("youku_requests", name + ".txt", path);
    }
  }
  std::vector<std::string> vids;
  for (const auto& [vid, kind] : catalogue.parseKinds) vids.push_back(vid);
  for (const auto& [vid, title] : catalogue.titles) vids.push_back(vid);
  vids.push_back("xh01");
  vids.push_back("unknown");
  for (const std::string& vid : vids) {
    const std::string page = "/v_show/id_" + vid + ".html";
    seeder.Write("youku_episodes", "video_" + Safe(vid) + ".html", seeder.Fetch(page, page));
    const std::string address = servers::youku::VideoAddress(kBase, vid);
    const std::string query = "kw=" + address;
    seeder.Write("parse_page", "parse_" + Safe(vid) + ".txt", seeder.Fetch("/parse.php", "/parse.php?" + query, query));
    seeder.Write("youku_requests", "parse_" + Safe(vid) + ".txt", "/parse.php?" + query);
  }
  seeder.Write("youku_requests", "escaped_query.txt", "/parse.php?kw=http%3A%2F%2F127.0.0.1%3A28080/v_show/id_xh01.html&x=1");
  seeder.Write("youku_requests", "one_digit_escape.txt", "/search_video/q_%9%E6%98%9F_orderby_1_hd_0_page_1");
  seeder.Write("youku_requests", "fault_prefix.txt", "/_fault/stall/search_video/q_%61_orderby_1_hd_1_page_2");
  std::printf("wrote %d corpus files\n", seeder.written);
  return seeder.written > 0 ? 0 : 1;
}
