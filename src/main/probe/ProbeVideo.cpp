// tarvo-probe encode-keyword, youku and parse-page: the Youku search pages,
// episode lists and the flvcd parse page read from saved files.
#include <ostream>

#include "main/probe/ProbeVideoCommon.h"
#include "platform/device/HostFiles.h"
#include "video/KeywordEncoding.h"
#include "video/PlayAddress.h"
#include "video/YoukuEpisodes.h"
#include "video/YoukuPageParser.h"

namespace tarvo::probe {
namespace {

using namespace video;

constexpr const char* kEncodeUsage = "  encode-keyword TEXT";
constexpr const char* kYoukuUsage =
    "  youku search-path KEYWORD ORDER HD PAGE   (ORDER 0-4, HD 0|1, PAGE from 1)\n"
    "  youku page FILE [--youku-site URL]\n"
    "  youku episodes FILE\n"
    "  youku single FILE   (exit 1 when the page holds no single video)";
constexpr const char* kParsePageUsage = "  parse-page FILE [--m3u OUT]";

int RunEncodeKeyword(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1) return Usage(context, kEncodeUsage);
  context.out << Utf8(EncodeKeyword(Arg(args[0]))) << "\n";
  return kExitOk;
}

int YoukuSearchPathCommand(ProbeContext& context, const std::vector<std::string>& args) {
  auto order = ParseInteger(args[2]);
  auto hd = ParseInteger(args[3]);
  auto page = ParseInteger(args[4]);
  if (!order || *order < 0 || *order >= kYoukuOrderCount || !hd || (*hd != 0 && *hd != 1) ||
      !page || *page < 1 || *page > 1000000000) {
    return Usage(context, kYoukuUsage);
  }
  context.out << Utf8(YoukuSearchPath(Arg(args[1]), static_cast<int>(*order),
                                      static_cast<int>(*hd), static_cast<int>(*page)))
              << "\n";
  return kExitOk;
}

int YoukuPageCommand(ProbeContext& context, const WString& text, const VideoHosts& hosts) {
  YoukuResult result;
  int status = ParseYoukuPage(text, result, hosts.youkuSite);
  OrderedJson videos = OrderedJson::array();
  for (const auto& video : result.videos) videos.push_back(VideoJson(video));
  OrderedJson sections = OrderedJson::array();
  for (const auto& info : kYoukuSections) {
    if (!(result.flags & info.flag)) continue;
    OrderedJson entries = OrderedJson::array();
    for (const auto& entry : result.Section(info.section)) entries.push_back(EntryJson(entry));
    sections.push_back(OrderedJson{
        {"flag", info.flag}, {"header", Utf8(info.header)}, {"entries", std::move(entries)}});
  }
  PrintOrderedJson(context, OrderedJson{{"status", status},
                                        {"noNextPage", NoNextPage(text)},
                                        {"flags", result.flags},
                                        {"videos", std::move(videos)},
                                        {"sections", std::move(sections)}});
  return kExitOk;
}

int RunYouku(ProbeContext& context) {
  auto hosts = TakeVideoHosts(context);
  if (!hosts) return kExitUsage;
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty()) return Usage(context, kYoukuUsage);
  const std::string& verb = args[0];
  if (verb == "search-path" && args.size() == 5) return YoukuSearchPathCommand(context, args);
  if (args.size() != 2 || (verb != "page" && verb != "episodes" && verb != "single")) {
    return Usage(context, kYoukuUsage);
  }
  auto text = ReadPageText(context, args[1]);
  if (!text) return kExitUsage;
  if (verb == "page") return YoukuPageCommand(context, *text, *hosts);
  if (verb == "episodes") {
    EpisodeListPage page = ParseEpisodeListPage(*text);
    PrintOrderedJson(context, OrderedJson{{"episodes", EpisodesJson(page.episodes)},
                                          {"next", Utf8(page.next)}});
    return kExitOk;
  }
  auto video = ParseSingleVideoPage(*text);
  if (!video) return kExitAbsent;
  PrintOrderedJson(context,
                   OrderedJson{{"title", Utf8(video->title)}, {"url", Utf8(video->url)}});
  return kExitOk;
}

int RunParsePage(ProbeContext& context) {
  auto m3u = context.args.TakeOption("--m3u");
  if (!TakeVideoHosts(context)) return kExitUsage;
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1) return Usage(context, kParsePageUsage);
  auto body = ReadHostFile(args[0]);
  if (!body) {
    context.err << "tarvo-probe: cannot read " << args[0] << "\n";
    return kExitUsage;
  }
  PlayPageResult result = ParsePlayPage(*body, context.codePage);
  OrderedJson entries = OrderedJson::array();
  for (const auto& entry : result.entries) {
    entries.push_back(OrderedJson{{"name", Utf8(entry.name)}, {"url", Utf8(entry.url)}});
  }
  PrintOrderedJson(context, OrderedJson{{"ok", result.ok},
                                        {"message", Utf8(result.message)},
                                        {"entries", std::move(entries)}});
  if (m3u && result.playlist && !host::WriteFileAtomically(*m3u, *result.playlist)) {
    context.err << "tarvo-probe: cannot write " << *m3u << "\n";
    return kExitUsage;
  }
  return kExitOk;
}

const ProbeRegistration kEncodeRegistration("encode-keyword", kEncodeUsage, &RunEncodeKeyword);
const ProbeRegistration kYoukuRegistration("youku", kYoukuUsage, &RunYouku);
const ProbeRegistration kParsePageRegistration("parse-page", kParsePageUsage, &RunParsePage);

}  // namespace
}  // namespace tarvo::probe
