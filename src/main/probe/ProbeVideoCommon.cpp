#include "main/probe/ProbeVideoCommon.h"

#include <ostream>

#include "platform/device/Device.h"

namespace tarvo::probe {
namespace {

struct HostOption {
  const char* flag;
  const char* profileKey;
  WString VideoHosts::*field;
};
constexpr HostOption kHostOptions[] = {
    {"--soku-base", "SokuBase", &VideoHosts::sokuBase},
    {"--youku-search", "YoukuSearch", &VideoHosts::youkuSearch},
    {"--youku-site", "YoukuSite", &VideoHosts::youkuSite},
    {"--hot-server", "HotVideo", &VideoHosts::hotServer},
    {"--parse-page", "ParsePage", &VideoHosts::parsePage},
};

}  // namespace

std::optional<VideoHosts> TakeVideoHosts(ProbeContext& context) {
  VideoHosts hosts;
  std::optional<std::string> flags[std::size(kHostOptions)];
  for (size_t i = 0; i < std::size(kHostOptions); ++i) {
    flags[i] = context.args.TakeOption(kHostOptions[i].flag);
  }
  if (context.deviceDir) {
    std::string error;
    auto device = Device::Open(*context.deviceDir, &error, Device::IfMissing::Fail);
    if (!device) {
      context.err << "tarvo-probe: " << error << "\n";
      return std::nullopt;
    }
    const DeviceProfile& profile = device->Profile();
    for (const HostOption& option : kHostOptions) {
      hosts.*option.field = Arg(profile.Server(option.profileKey));
    }
    for (const std::string& channel : profile.HotVideoChannels()) {
      hosts.hotChannels.push_back(Arg(channel));
    }
  }
  for (size_t i = 0; i < std::size(kHostOptions); ++i) {
    if (flags[i]) hosts.*kHostOptions[i].field = Arg(*flags[i]);
  }
  return hosts;
}

std::optional<WString> ReadPageText(ProbeContext& context, const std::string& path) {
  auto bytes = ReadHostFile(path);
  if (!bytes) {
    context.err << "tarvo-probe: cannot read " << path << "\n";
    return std::nullopt;
  }
  return Arg(*bytes);
}

void PrintOrderedJson(ProbeContext& context, const OrderedJson& value) {
  context.out << value.dump(-1, ' ', false, OrderedJson::error_handler_t::replace) << "\n";
}

OrderedJson VideoJson(const video::VideoRecord& video) {
  return OrderedJson{{"title", Utf8(video.title)},       {"spare", Utf8(video.spare)},
                     {"url", Utf8(video.url)},           {"thumb", Utf8(video.thumb)},
                     {"duration", Utf8(video.duration)}, {"intro", Utf8(video.intro)}};
}

OrderedJson EpisodesJson(const std::vector<video::VideoRecord>& episodes) {
  OrderedJson out = OrderedJson::array();
  for (const auto& episode : episodes) {
    out.push_back(OrderedJson{{"title", Utf8(episode.title)}, {"url", Utf8(episode.url)}});
  }
  return out;
}

OrderedJson EntryJson(const video::SectionEntry& entry) {
  OrderedJson groups = OrderedJson::array();
  for (const auto& group : entry.groups) {
    groups.push_back(
        OrderedJson{{"name", Utf8(group.name)}, {"episodes", EpisodesJson(group.episodes)}});
  }
  return OrderedJson{{"title", Utf8(entry.title)},   {"url", Utf8(entry.url)},
                     {"thumb", Utf8(entry.thumb)},   {"status", Utf8(entry.status)},
                     {"groups", std::move(groups)}};
}

OrderedJson SokuItemsJson(const std::vector<video::VideoRecord>& items) {
  OrderedJson out = OrderedJson::array();
  for (const auto& item : items) {
    out.push_back(OrderedJson{{"title", Utf8(item.title)},
                              {"caption", Utf8(item.spare)},
                              {"link", Utf8(item.url)},
                              {"image", Utf8(item.thumb)},
                              {"duration", Utf8(item.duration)}});
  }
  return out;
}

OrderedJson SokuGroupsJson(const std::vector<soku::SokuGroup>& groups) {
  OrderedJson out = OrderedJson::array();
  for (const auto& group : groups) {
    out.push_back(OrderedJson{{"label", Utf8(group.label)}, {"items", SokuItemsJson(group.items)}});
  }
  return out;
}

OrderedJson SokuSeriesJson(const soku::SokuSeries& series) {
  return OrderedJson{{"title", Utf8(series.title)},
                     {"url", Utf8(series.url)},
                     {"image", Utf8(series.image)},
                     {"groups", SokuGroupsJson(series.groups)}};
}

}  // namespace tarvo::probe
