// tarvo-probe hot: the hot-video proxy pages.
#include <ostream>

#include "main/probe/ProbeVideoCommon.h"
#include "video/HotVideo.h"

namespace tarvo::probe {
namespace {

using namespace video;

constexpr const char* kUsage =
    "  hot paths VIEW PAGE   (VIEW 0-12; Tudou channel hosts from the device profile)\n"
    "  hot tudou FILE\n"
    "  hot youku FILE --page N [--hot-server URL]\n"
    "  hot play-url URL";

OrderedJson ItemsJson(const std::vector<HotItem>& items) {
  OrderedJson out = OrderedJson::array();
  for (const auto& item : items) {
    out.push_back(OrderedJson{{"title", Utf8(item.title)}, {"url", Utf8(item.url)}});
  }
  return out;
}

int PathsCommand(ProbeContext& context, const std::vector<std::string>& args,
                 const VideoHosts& hosts) {
  auto view = ParseInteger(args[1]);
  auto page = ParseInteger(args[2]);
  if (!view || *view < kHotViewStart || *view > kHotViewPaging || !page || *page < 1 ||
      *page > 1000000000) {
    return Usage(context, kUsage);
  }
  OrderedJson out = OrderedJson::array();
  for (const WString& path :
       HotVideoPaths(static_cast<int>(*view), static_cast<int>(*page), hosts.hotChannels)) {
    out.push_back(Utf8(path));
  }
  PrintOrderedJson(context, out);
  return kExitOk;
}

int RunHot(ProbeContext& context) {
  auto hosts = TakeVideoHosts(context);
  if (!hosts) return kExitUsage;
  auto pageText = context.args.TakeOption("--page");
  auto args = context.args.Positional();
  if (context.args.HasError() || args.empty()) return Usage(context, kUsage);
  const std::string& verb = args[0];
  if (verb == "paths" && args.size() == 3 && !pageText) return PathsCommand(context, args, *hosts);
  if (verb == "play-url" && args.size() == 2 && !pageText) {
    context.out << Utf8(HotPlayUrl(Arg(args[1]))) << "\n";
    return kExitOk;
  }
  if (verb == "tudou" && args.size() == 2 && !pageText) {
    auto text = ReadPageText(context, args[1]);
    if (!text) return kExitUsage;
    PrintOrderedJson(context, OrderedJson{{"items", ItemsJson(ParseTudouProxyPage(*text))}});
    return kExitOk;
  }
  if (verb == "youku" && args.size() == 2 && pageText) {
    auto page = ParseInteger(*pageText);
    if (!page || *page < -1000000000 || *page > 1000000000) return Usage(context, kUsage);
    auto text = ReadPageText(context, args[1]);
    if (!text) return kExitUsage;
    int current = static_cast<int>(*page);
    int lastPage = 0;
    auto items = ParseYoukuProxyPage(*text, hosts->hotServer, current, lastPage);
    PrintOrderedJson(context, OrderedJson{{"items", ItemsJson(items)},
                                          {"page", current},
                                          {"lastPage", lastPage}});
    return kExitOk;
  }
  return Usage(context, kUsage);
}

const ProbeRegistration kRegistration("hot", kUsage, &RunHot);

}  // namespace
}  // namespace tarvo::probe
