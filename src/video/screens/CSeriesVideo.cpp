#include "video/screens/CSeriesVideo.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "video/YoukuEpisodes.h"
#include "video/screens/YoukuSession.h"

namespace tarvo::video {

CSeriesVideo::CSeriesVideo(CTarvoApp& app, std::vector<SectionEntry> entries, uint32_t sectionFlag,
                           const VideoServers& servers)
    : CVirtualSeriesVideo(app, kCaption, servers.timeouts),
      entries_(std::move(entries)),
      flag_(sectionFlag),
      parsePage_(servers.parsePage) {}

void CSeriesVideo::LoadSeries() {
  const ui::Font& font = GetFont();
  SeriesGeometry geometry{app_.Metrics.ScreenWidth, ScrollStep(), app_.Metrics.TextHeight,
                          [&font](WStringView text) { return font.TextWidth(text); }, app_.Metrics.ScrollBarWidth};
  layout_ = LayOutSeries(entries_, flag_ == kFlagVariety, geometry);
  SetCells(layout_.cells, layout_.contentHeight);
}

void CSeriesVideo::LayOut() {
  // The base clears the flag: a turned screen's width is read first.
  const bool turned = LayoutDirty();
  CVirtualSeriesVideo::LayOut();
  if (turned) LoadSeries();
}

WString CSeriesVideo::SourceOf(int item) const {
  if (item < 0 || item >= static_cast<int>(layout_.items.size())) return {};
  return PlayAddressSource(parsePage_, layout_.items[static_cast<size_t>(item)].url);
}

void OpenSection(CTarvoApp& app, YoukuSession& session, YoukuSection section) {
  std::vector<SectionEntry>& stored = session.result.Section(section);
  const bool completes = section == YoukuSection::kSeriesProgrammes || section == YoukuSection::kProgrammes ||
                         section == YoukuSection::kFilms;
  if (completes && !stored.empty() && stored.front().groups.empty()) {
    std::vector<SectionEntry> copy = stored;
    bool complete = false;
    {
      ui::WaitCursorHold wait(app.GetUi());
      const HttpFetchTimeouts timeouts = session.servers.timeouts;
      complete = CompleteEpisodes(copy, session.servers.youkuSite, [timeouts](const WString& url) {
        HttpFetch fetch(url, timeouts);
        return fetch.Content() ? std::optional<std::string>(*fetch.Content()) : std::nullopt;
      });
    }
    if (!complete) {
      ui::MessageBox(app.GetUi(), kFetchFailedMessage, u"Tarvo", ui::kMbOk | ui::kMbIconExclamation);
      return;
    }
    stored = std::move(copy);
  }
  uint32_t flag = 0;
  for (const auto& info : kYoukuSections)
    if (info.section == section) flag = info.flag;
  CSeriesVideo(app, stored, flag, session.servers).DoModal();
}

}  // namespace tarvo::video
