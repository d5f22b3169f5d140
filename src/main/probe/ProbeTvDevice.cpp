// tarvo-probe tvfetch / tvplay: the net TV screen's fetch and play on a device.
#include <nlohmann/json.hpp>
#include <ostream>

#include "main/probe/ProbeCommand.h"
#include "main/probe/ProbeJson.h"
#include "platform/device/Device.h"
#include "tv/TvListFetch.h"
#include "tv/TvPlayer.h"

namespace tarvo::probe {
namespace {

constexpr const char* kFetchUsage = "  tvfetch --device DIR   (the recommended list from the device's ContentServer)";
constexpr const char* kPlayUsage = "  tvplay URL --device DIR   (plays as a tap on a channel does)";

std::unique_ptr<Device> OpenProbeDevice(ProbeContext& context) {
  if (!context.deviceDir) return nullptr;
  std::string error;
  auto device = Device::Open(*context.deviceDir, &error);
  if (!device) context.err << "tarvo-probe: " << error << "\n";
  return device;
}

const char* OutcomeName(TvFetchOutcome outcome) {
  switch (outcome) {
    case TvFetchOutcome::kOk: return "ok";
    case TvFetchOutcome::kEmpty: return "empty";
    case TvFetchOutcome::kUnusable:
    case TvFetchOutcome::kStopped: break;
  }
  return "unusable";
}

int RunTvFetch(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || !args.empty() || !context.deviceDir) return Usage(context, kFetchUsage);
  auto device = OpenProbeDevice(context);
  if (!device) return kExitUsage;
  const TvFetchResult result =
      FetchRecommendedTv(Arg(device->Profile().Server("ContentServer")),
                         HttpFetchTimeouts::ForDevice(device->Profile()), device->CodePage(), nullptr);
  nlohmann::json channels = nlohmann::json::array();
  for (const TvChannel& c : result.channels) channels.push_back({{"name", Utf8(c.name)}, {"url", Utf8(c.url)}});
  PrintJson(context, {{"outcome", OutcomeName(result.outcome)}, {"channels", channels}});
  return kExitOk;
}

int RunTvPlay(ProbeContext& context) {
  auto args = context.args.Positional();
  if (context.args.HasError() || args.size() != 1 || !context.deviceDir) return Usage(context, kPlayUsage);
  auto device = OpenProbeDevice(context);
  if (!device) return kExitUsage;
  TvPlayer player(*device);
  const TvPlayOutcome outcome = player.Play(Arg(args[0]));
  const nlohmann::json found = player.CachedPlayer() ? nlohmann::json(Utf8(*player.CachedPlayer())) : nlohmann::json();
  PrintJson(context, {{"message", Utf8(TvPlayMessage(outcome))}, {"player", found}});
  return kExitOk;
}

const ProbeRegistration kFetchRegistration("tvfetch", kFetchUsage, &RunTvFetch);
const ProbeRegistration kPlayRegistration("tvplay", kPlayUsage, &RunTvPlay);

}  // namespace
}  // namespace tarvo::probe
