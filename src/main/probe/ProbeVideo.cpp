// tarvo-probe encode-keyword, youku, parse-page and resolve: the Youku search
// pages, episode lists and the flvcd parse page, read from saved files or
// fetched from the device's servers as the screens fetch them.
#include <ostream>

#include "main/probe/ProbeVideoCommon.h"
#include "net/HttpFetch.h"
#include "platform/device/Device.h"
#include "platform/device/HostFiles.h"
#include "platform/text/Utf8.h"
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
    "  youku search KEYWORD [--order N] [--hd] [--page N] [--youku-search URL] [--youku-site URL]\n"
    "                       (fetches the page; exit 1 when nothing came)\n"
    "  youku page FILE [--youku-site URL]\n"
    "  youku episodes FILE\n"
    "  youku single FILE   (exit 1 when the page holds no single video)";
constexpr const char* kParsePageUsage = "  parse-page FILE [--m3u OUT]";
constexpr const char* kResolveUsage =
    "  resolve URL [--parse-page URL] [--m3u OUT]   (exit 1 when the parse page gave no playlist)";

// The device's fetch time-outs when a device is given, else the default.
std::optional<HttpFetchTimeouts> FetchTimeouts(ProbeContext& context) {
  if (!context.deviceDir) return HttpFetchTimeouts{};
  std::string error;
  auto device = Device::Open(*context.deviceDir, &error, Device::IfMissing::Fail);
  if (!device) {
    context.err << "tarvo-probe: " << error << "\n";
    return std::nullopt;
  }
  return HttpFetchTimeouts::ForDevice(device->Profile());
}

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

int YoukuPageCommand(ProbeContext& context, const WString& text, const VideoHosts& hosts,
                     const std::optional<WString>& url = std::nullopt) {
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
  OrderedJson out;
  if (url) out["url"] = Utf8(*url);
  out["status"] = status;
  out["noNextPage"] = NoNextPage(text);
  out["flags"] = result.flags;
  out["videos"] = std::move(videos);
  out["sections"] = std::move(sections);
  PrintOrderedJson(context, out);
  return kExitOk;
}

// Fetches a result page as the search screen does and prints it parsed, with
// the address it came from; the page's status says what the screen would do.
int YoukuSearchCommand(ProbeContext& context, const VideoHosts& hosts, const std::string& keyword,
                       std::optional<std::string> orderText, bool hd, std::optional<std::string> pageText) {
  auto order = orderText ? ParseInteger(*orderText) : std::optional<long long>(0);
  auto page = pageText ? ParseInteger(*pageText) : std::optional<long long>(1);
  if (!order || *order < 0 || *order >= kYoukuOrderCount || !page || *page < 1 || *page > 1000000000) {
    return Usage(context, kYoukuUsage);
  }
  if (hosts.youkuSearch.empty()) {
    context.err << "tarvo-probe: no Youku search server (--youku-search URL or --device DIR)\n";
    return kExitUsage;
  }
  auto timeouts = FetchTimeouts(context);
  if (!timeouts) return kExitUsage;
  const WString url = hosts.youkuSearch + YoukuSearchPath(Arg(keyword), static_cast<int>(*order), hd ? 1 : 0,
                                                          static_cast<int>(*page));
  HttpFetch fetch(url, *timeouts);
  const WString text = fetch.Content() ? FromUtf8(*fetch.Content()) : WString();
  YoukuPageCommand(context, text, hosts, url);
  return fetch.Content() ? kExitOk : kExitAbsent;
}

int RunYouku(ProbeContext& context) {
  auto order = context.args.TakeOption("--order");
  auto page = context.args.TakeOption("--page");
  const bool hd = context.args.TakeFlag("--hd");
  auto hosts = TakeVideoHosts(context);
  if (!hosts) return kExitUsage;
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty()) return Usage(context, kYoukuUsage);
  const std::string& verb = args[0];
  if (verb == "search" && args.size() == 2) return YoukuSearchCommand(context, *hosts, args[1], order, hd, page);
  if (order || page || hd) return Usage(context, kYoukuUsage);
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

// Prints a parse page's reading; writes its playlist to m3u when asked and
// the page gave one. False (reason printed) when the playlist cannot be written.
bool PrintPlayPage(ProbeContext& context, const PlayPageResult& result, const std::optional<std::string>& m3u,
                   const std::optional<WString>& source) {
  OrderedJson entries = OrderedJson::array();
  for (const auto& entry : result.entries) {
    entries.push_back(OrderedJson{{"name", Utf8(entry.name)}, {"url", Utf8(entry.url)}});
  }
  OrderedJson out;
  if (source) out["source"] = Utf8(*source);
  out["ok"] = result.ok;
  out["message"] = Utf8(result.message);
  out["entries"] = std::move(entries);
  PrintOrderedJson(context, out);
  if (m3u && result.playlist && !host::WriteFileAtomically(*m3u, *result.playlist)) {
    context.err << "tarvo-probe: cannot write " << *m3u << "\n";
    return false;
  }
  return true;
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
  return PrintPlayPage(context, ParsePlayPage(*body, context.codePage), m3u, std::nullopt) ? kExitOk : kExitUsage;
}

// tarvo-probe resolve: the parse page asked for a video page address as a
// tap on 播放 asks it, the parts printed and the playlist written on request.
int RunResolve(ProbeContext& context) {
  auto m3u = context.args.TakeOption("--m3u");
  auto hosts = TakeVideoHosts(context);
  if (!hosts) return kExitUsage;
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1) return Usage(context, kResolveUsage);
  if (hosts->parsePage.empty()) {
    context.err << "tarvo-probe: no parse page (--parse-page URL or --device DIR)\n";
    return kExitUsage;
  }
  auto timeouts = FetchTimeouts(context);
  if (!timeouts) return kExitUsage;
  const WString source = PlayAddressSource(hosts->parsePage, Arg(args[0]));
  HttpFetch fetch(source, *timeouts);
  const PlayPageResult result = ParsePlayPage(fetch.Content() ? *fetch.Content() : std::string(), context.codePage);
  if (!PrintPlayPage(context, result, m3u, source)) return kExitUsage;
  return result.playlist ? kExitOk : kExitAbsent;
}

const ProbeRegistration kEncodeRegistration("encode-keyword", kEncodeUsage, &RunEncodeKeyword);
const ProbeRegistration kYoukuRegistration("youku", kYoukuUsage, &RunYouku);
const ProbeRegistration kParsePageRegistration("parse-page", kParsePageUsage, &RunParsePage);
const ProbeRegistration kResolveRegistration("resolve", kResolveUsage, &RunResolve);

}  // namespace
}  // namespace tarvo::probe
