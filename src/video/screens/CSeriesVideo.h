#pragma once
// The Youku series screen "节目列表": a section's shows with their episodes.
#include <vector>

#include "video/YoukuResult.h"
#include "video/screens/CVirtualSeriesVideo.h"
#include "video/screens/SeriesLayout.h"
#include "video/screens/VideoHosts.h"

namespace tarvo::video {

class CSeriesVideo : public CVirtualSeriesVideo {
 public:
  static constexpr char16_t kCaption[] = u"节目列表";

  CSeriesVideo(CTarvoApp& app, std::vector<SectionEntry> entries, uint32_t sectionFlag, const VideoServers& servers);

  const SeriesLayout& Layout() const { return layout_; }

 protected:
  void LoadSeries() override;
  void LayOut() override;
  WString SourceOf(int item) const override;

 private:
  std::vector<SectionEntry> entries_;
  uint32_t flag_;
  WString parsePage_;
  SeriesLayout layout_;
};

// Opens the series screen of a section of the session's store. Shows that
// were not completed yet are completed on a copy first, stored only when
// every page came ("搜索超时或读取网页数据失败!" and nothing opens otherwise).
struct YoukuSession;
void OpenSection(CTarvoApp& app, YoukuSession& session, YoukuSection section);

}  // namespace tarvo::video
