#include "video/screens/CVideo.h"

#include "net/SearchOutcome.h"
#include "platform/text/Format.h"
#include "platform/ui/Ui.h"
#include "launcher/controls/BoxPrompts.h"
#include "video/screens/CSeriesVideo.h"
#include "video/screens/CVideoDetail.h"

namespace tarvo::video {

WString PlainVideoRowText(const VideoRecord& video) {
  WString text;
  for (const WString* part : {&video.title, &video.intro, &video.duration}) {
    if (part->empty()) continue;
    if (!text.empty()) text += u'\n';
    text += *part;
  }
  return text;
}

CVideo::CVideo(CTarvoApp& app, YoukuSession& session, ThumbnailLoader& thumbnails)
    : CVirtualVideo(app, kCaption, thumbnails), session_(session) {
  SetNoNextPage(session.noNextPage);
}

std::vector<YoukuSection> CVideo::HeaderSections() const {
  std::vector<YoukuSection> sections;
  for (const auto& info : kYoukuSections)
    if ((session_.result.flags & info.flag) != 0) sections.push_back(info.section);
  return sections;
}

void CVideo::LoadPage() {
  const int status = LoadYoukuPage(app_, session_, page_);
  SetNoNextPage(session_.noNextPage);
  BoxPrompts prompts(GetUi());
  if (!ReportSearchOutcome(status, true, app_.GetDevice().Connections(), prompts)) return;
  Invalidate();
  FillList();
}

void CVideo::FillList() {
  ui::WaitCursorHold wait(GetUi());
  const YoukuResult& result = session_.result;
  std::vector<ThumbnailJob> jobs;
  for (const auto& info : kYoukuSections) {
    if ((result.flags & info.flag) == 0) continue;
    const int row = AddRow(info.header);
    const auto& entries = result.Section(info.section);
    if (!entries.empty()) jobs.push_back(ThumbnailJob{row, entries.front().thumb, Format(u"%d.jpg", row)});
  }
  for (size_t k = 0; k < result.videos.size(); ++k) {
    const int row = AddRow(PlainVideoRowText(result.videos[k]));
    jobs.push_back(ThumbnailJob{row, result.videos[k].thumb, Format(u"Normal%d.jpg", static_cast<int>(k))});
  }
  Invalidate();
  StartThumbnails(std::move(jobs));
}

void CVideo::OnRowTapped(int row) {
  const std::vector<YoukuSection> headers = HeaderSections();
  const int h = static_cast<int>(headers.size());
  if (row < h) {
    OpenSection(app_, session_, headers[static_cast<size_t>(row)]);
    return;
  }
  const size_t k = static_cast<size_t>(row - h);
  if (k >= session_.result.videos.size()) return;
  const VideoRecord& video = session_.result.videos[k];
  DetailSubject subject{video, row, Thumbnails().Folder() + Format(u"Normal%d.jpg", static_cast<int>(k)),
                        PlayAddressSource(session_.servers.parsePage, video.url)};
  CVideoDetail(app_, std::move(subject), &Thumbnails(), session_.servers.timeouts).DoModal();
  if (IsCreated()) ui::EnterFullScreen(*this, true);
}

}  // namespace tarvo::video
