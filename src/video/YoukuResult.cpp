#include "video/YoukuResult.h"

namespace tarvo::video {
namespace {

constexpr char16_t kNextPageText[] = u"下一页";

}  // namespace

const std::array<YoukuSectionInfo, kYoukuSectionCount> kYoukuSections = {{
    {YoukuSection::kSeriesProgrammes, kFlagSeriesProgrammes, u"点击查看所有【系列节目】"},
    {YoukuSection::kProgrammes, kFlagProgrammes, u"点击查看所有【节目】"},
    {YoukuSection::kHot, kFlagHot, u"点击查看所有【热播】"},
    {YoukuSection::kFilms, kFlagFilms, u"点击查看所有【电影】"},
    {YoukuSection::kTvSeries, kFlagTvSeries, u"点击查看所有【电视剧】"},
    {YoukuSection::kVariety, kFlagVariety, u"点击查看所有【综艺】"},
    {YoukuSection::kTrailers, kFlagTrailers, u"点击查看所有【预告片】"},
    {YoukuSection::kEpisodes, kFlagEpisodes, u"点击查看所有【剧集】"},
}};

void YoukuResult::Clear() {
  flags = 0;
  videos.clear();
  for (auto& entries : sections) entries.clear();
  personPhoto.clear();
  personTabs.clear();
}

size_t YoukuResult::HeaderRowCount() const {
  size_t rows = 0;
  for (const auto& info : kYoukuSections) {
    if (flags & info.flag) ++rows;
  }
  return rows;
}

int NoNextPage(WStringView pageText) {
  return pageText.find(kNextPageText) == WStringView::npos ? 1 : 0;
}

}  // namespace tarvo::video
