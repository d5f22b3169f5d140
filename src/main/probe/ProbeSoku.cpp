// tarvo-probe soku: the Soku search path and the Soku pages read from saved files.
#include <ostream>

#include "main/probe/ProbeVideoCommon.h"
#include "video/YoukuResult.h"
#include "video/soku/SokuEntryPages.h"
#include "video/soku/SokuParsers.h"

namespace tarvo::probe {
namespace {

using namespace soku;

constexpr const char* kUsage =
    "  soku search-path KEYWORD HD PAGE\n"
    "  soku page FILE [--soku-base URL]\n"
    "  soku episodes FILE --layout 0|1\n"
    "  soku guide FILE [--soku-base URL]\n"
    "  soku series FILE --layout 0|1\n"
    "  soku entry FILE --flags N";

OrderedJson SeriesListJson(const std::vector<SokuSeries>& list) {
  OrderedJson out = OrderedJson::array();
  for (const auto& series : list) out.push_back(SokuSeriesJson(series));
  return out;
}

int SearchPathCommand(ProbeContext& context, const std::vector<std::string>& args) {
  auto hd = ParseInteger(args[2]);
  auto page = ParseInteger(args[3]);
  if (!hd || (*hd != 0 && *hd != 1) || !page || *page < 1 || *page > 1000000000) {
    return Usage(context, kUsage);
  }
  context.out << Utf8(SokuSearchPath(Arg(args[1]), static_cast<int>(*hd),
                                     static_cast<int>(*page)))
              << "\n";
  return kExitOk;
}

int PageCommand(ProbeContext& context, const WString& text, const VideoHosts& hosts) {
  SokuResults results;
  int code = ParseSokuPage(results, text, hosts.sokuBase);
  PrintOrderedJson(context, OrderedJson{{"code", code},
                                        {"noNextPage", video::NoNextPage(text)},
                                        {"flags", results.flags},
                                        {"items", SokuItemsJson(results.items)},
                                        {"tv", SeriesListJson(results.tv)},
                                        {"cartoon", SeriesListJson(results.cartoon)},
                                        {"movie", SeriesListJson(results.movie)},
                                        {"variety", SeriesListJson(results.variety)}});
  return kExitOk;
}

int RunSoku(ProbeContext& context) {
  auto hosts = TakeVideoHosts(context);
  if (!hosts) return kExitUsage;
  auto layoutText = context.args.TakeOption("--layout");
  auto flagsText = context.args.TakeOption("--flags");
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty()) return Usage(context, kUsage);
  const std::string& verb = args[0];
  if (verb == "search-path" && args.size() == 4 && !layoutText && !flagsText) {
    return SearchPathCommand(context, args);
  }
  bool needsLayout = verb == "episodes" || verb == "series";
  bool needsFlags = verb == "entry";
  bool known = needsLayout || needsFlags || verb == "page" || verb == "guide";
  if (!known || args.size() != 2 || needsLayout != layoutText.has_value() ||
      needsFlags != flagsText.has_value()) {
    return Usage(context, kUsage);
  }
  int layout = kTabLayout;
  if (layoutText) {
    if (*layoutText != "0" && *layoutText != "1") return Usage(context, kUsage);
    layout = *layoutText == "1" ? kLabelLayout : kTabLayout;
  }
  uint32_t flags = 0;
  if (flagsText) {
    auto parsed = ParseInteger(*flagsText);
    if (!parsed || *parsed < 0 || *parsed > 0xFFFFFFFFLL) return Usage(context, kUsage);
    flags = static_cast<uint32_t>(*parsed);
  }
  auto text = ReadPageText(context, args[1]);
  if (!text) return kExitUsage;
  if (verb == "page") return PageCommand(context, *text, *hosts);
  if (verb == "episodes") {
    SokuSeries series;
    bool ok = ParseEpisodeBlocks(*text, series, layout);
    PrintOrderedJson(context, OrderedJson{{"ok", ok}, {"groups", SokuGroupsJson(series.groups)}});
  } else if (verb == "guide") {
    GuideLinks guide = CollectGuideLinks(*text, hosts->sokuBase);
    OrderedJson links = OrderedJson::array();
    for (const auto& link : guide.links) links.push_back(Utf8(link));
    PrintOrderedJson(context, OrderedJson{{"ok", guide.ok}, {"links", std::move(links)}});
  } else if (verb == "series") {
    SokuSeries series;
    bool ok = ParseSeriesPage(*text, layout, series);
    PrintOrderedJson(context, OrderedJson{{"ok", ok}, {"series", SokuSeriesJson(series)}});
  } else {
    SokuEntryPage entry = ParseSokuEntryPage(*text, flags);
    PrintOrderedJson(context, OrderedJson{{"skipped", entry.skipped},
                                          {"ok", entry.ok},
                                          {"title", Utf8(entry.title)},
                                          {"groups", SokuGroupsJson(entry.groups)}});
  }
  return kExitOk;
}

const ProbeRegistration kRegistration("soku", kUsage, &RunSoku);

}  // namespace
}  // namespace tarvo::probe
