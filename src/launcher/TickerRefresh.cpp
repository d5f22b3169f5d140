#include "launcher/TickerRefresh.h"

#include "launcher/TickerSchedule.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

namespace tarvo {
namespace {

std::optional<WString> FetchText(const TickerRefreshSetup& setup, WStringView name, const StopToken& stop) {
  const WString path = setup.tempFolder + WString(name);
  setup.fetch(setup.contentServer + u"/tarvo/" + WString(name), path, stop);
  if (stop.Requested() || !setup.files->FileExists(path)) return std::nullopt;
  auto bytes = setup.files->ReadAll(path);
  if (!bytes) return std::nullopt;
  return FromCodePage(*bytes, setup.codePage);
}

}  // namespace

std::optional<TickerRefreshResult> RefreshTicker(const TickerRefreshSetup& setup, const StopToken& stop) {
  Registry& registry = *setup.registry;
  const RegistryRoot root = RegistryRoot::ClassesRoot;
  if (!registry.KeyExists(root, kTickerRegistryKey)) registry.CreateKey(root, kTickerRegistryKey);
  const auto last = registry.GetString(root, kTickerRegistryKey, kTickerLastUpdateValue);
  // Stored as a number; read signed, so that a negative interval is below 1.
  const auto stored = registry.GetNumber(root, kTickerRegistryKey, kTickerFrequencyValue);
  std::optional<int64_t> frequency;
  if (stored) frequency = static_cast<int32_t>(*stored);
  std::optional<WStringView> lastView;
  if (last) lastView = WStringView(*last);
  if (!IsTickerRefreshDue(lastView, frequency, setup.nowUtc())) return std::nullopt;

  auto lead = FetchText(setup, kTickerLeadName, stop);
  if (!lead) return std::nullopt;
  auto config = ParseTickerLead(*lead);
  if (!config) {
    setup.files->DeleteFile(setup.tempFolder + kTickerLeadName);
    return std::nullopt;
  }
  TickerRefreshResult result;
  result.config = *config;
  if ((config->types & kTickerMessages) && !config->groups.empty()) {
    const MessageGroup& group = config->groups.front();
    std::vector<TickerMessage> messages;
    for (const TickerFileRange& range : TickerMessageFiles(group.start, group.end, group.step)) {
      if (stop.Requested()) return std::nullopt;
      auto list = FetchText(setup, Format(u"TarvoMsgList%d.txt", range.file), stop);
      if (stop.Requested()) return std::nullopt;
      if (list && IsTickerMessageList(*list)) ParseTickerMessages(*list, range.first, range.last, messages);
    }
    result.messages = std::move(messages);
  }
  registry.SetString(root, kTickerRegistryKey, kTickerLastUpdateValue, FormatTickerTime(setup.nowUtc()));
  registry.SetNumber(root, kTickerRegistryKey, kTickerFrequencyValue, static_cast<uint32_t>(config->frequency));
  return result;
}

}  // namespace tarvo
