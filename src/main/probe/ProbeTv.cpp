// tarvo-probe tvlist / tvxml: the recommended list and the user's TVList.xml.
#include <nlohmann/json.hpp>
#include <ostream>

#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "platform/text/CodePage.h"
#include "tv/MyTvFile.h"
#include "tv/RecommendedTvList.h"

namespace tarvo::probe {
namespace {

constexpr const char* kListUsage = "  tvlist FILE";
constexpr const char* kXmlUsage = "  tvxml FILE   (creates or replaces FILE as the TV screen does)";

nlohmann::json ChannelsJson(const std::vector<TvChannel>& channels) {
  nlohmann::json list = nlohmann::json::array();
  for (const TvChannel& c : channels) list.push_back({{"name", Utf8(c.name)}, {"url", Utf8(c.url)}});
  return list;
}

int RunTvList(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1) return Usage(context, kListUsage);
  auto bytes = ReadHostFile(args[0]);
  if (!bytes) {
    context.err << "tarvo-probe: cannot read " << args[0] << "\n";
    return kExitUsage;
  }
  WString text = FromCodePage(*bytes, context.codePage);
  bool valid = IsUsableTvListText(text);
  std::vector<TvChannel> channels;
  if (valid) channels = ParseTvListRecords(text);
  PrintJson(context, {{"valid", valid}, {"channels", ChannelsJson(channels)}});
  return kExitOk;
}

int RunTvXml(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1) return Usage(context, kXmlUsage);
  HostFileAccess files;
  MyTvFile file(files, Arg(args[0]));
  std::vector<TvChannel> channels;
  if (file.Load(channels) == MyTvLoadStatus::kUnparsable) {
    context.err << Utf8(kTvListOpenFailed) << " (kept as " << args[0] << ".bad)\n";
  }
  PrintJson(context, {{"channels", ChannelsJson(channels)}});
  return kExitOk;
}

const ProbeRegistration kListRegistration("tvlist", kListUsage, &RunTvList);
const ProbeRegistration kXmlRegistration("tvxml", kXmlUsage, &RunTvXml);

}  // namespace
}  // namespace tarvo::probe
