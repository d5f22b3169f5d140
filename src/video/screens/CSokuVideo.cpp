#include "video/screens/CSokuVideo.h"

#include "launcher/controls/BoxPrompts.h"
#include "net/SearchOutcome.h"
#include "platform/text/Format.h"
#include "platform/text/Utf8.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "video/screens/CSokuSeriesVideo.h"
#include "video/screens/CSokuVideoDetail.h"
#include "video/soku/SokuEntryPages.h"

namespace tarvo::video {
namespace {

using namespace soku;

struct Category {
  uint32_t flag;
  const char16_t* prefix;
  const char16_t* thumbnail;
};

// Row order of the list and of the thumbnails.
constexpr Category kListOrder[] = {{kSokuTv, u"点击查看所有【电视剧】\n", u"TV.jpg"},
                                   {kSokuCartoon, u"点击查看所有【动漫】\n", u"Cartoon.jpg"},
                                   {kSokuMovie, u"点击查看所有【电影】\n", u"Movie.jpg"},
                                   {kSokuVariety, u"点击查看所有【综艺】\n", u"Variety.jpg"}};

}  // namespace

std::vector<SokuSeries>& SokuCategory(SokuResults& results, uint32_t flag) {
  switch (flag) {
    case kSokuTv: return results.tv;
    case kSokuCartoon: return results.cartoon;
    case kSokuMovie: return results.movie;
    default: return results.variety;
  }
}

WString SokuCategoryRowText(uint32_t flag, const std::vector<SokuSeries>& list) {
  if (list.empty()) return {};
  for (const Category& category : kListOrder)
    if (category.flag == flag) return WString(category.prefix) + list.front().title;
  return {};
}

WString SokuItemRowText(const VideoRecord& item) {
  WString text = item.title;
  if (!item.title.empty() && !item.duration.empty()) text += u"\n" + item.duration;
  return text;
}

bool CompleteSokuEntries(std::vector<SokuSeries>& list, uint32_t resultFlags, const PageFetcher& fetch) {
  std::vector<SokuSeries> copy = list;
  for (size_t i = 0; i < copy.size() && i < kMaxFollowedPages; ++i) {
    auto body = fetch(copy[i].url);
    if (!body) return false;
    SokuEntryPage page = ParseSokuEntryPage(FromUtf8(*body), resultFlags);
    if (page.skipped) continue;
    if (!page.ok) return false;
    copy[i].title = std::move(page.title);
    copy[i].groups = std::move(page.groups);
  }
  list = std::move(copy);
  return true;
}

CSokuVideo::CSokuVideo(CTarvoApp& app, SokuSession& session, ThumbnailLoader& thumbnails)
    : CVirtualVideo(app, kCaption, thumbnails), session_(session) {
  SetNoNextPage(session.noNextPage);
}

std::vector<uint32_t> CSokuVideo::CategoryRows() const {
  std::vector<uint32_t> rows;
  for (const Category& category : kListOrder)
    if ((app_.Soku.flags & category.flag) != 0) rows.push_back(category.flag);
  return rows;
}

void CSokuVideo::LoadPage() {
  const int status = LoadSokuPage(app_, session_, page_);
  SetNoNextPage(session_.noNextPage);
  BoxPrompts prompts(GetUi());
  if (!ReportSearchOutcome(status, true, app_.GetDevice().Connections(), prompts)) return;
  Invalidate();
  FillList();
}

void CSokuVideo::FillList() {
  ui::WaitCursorHold wait(GetUi());
  SokuResults& results = app_.Soku;
  std::vector<ThumbnailJob> jobs;
  for (const Category& category : kListOrder) {
    if ((results.flags & category.flag) == 0) continue;
    const auto& list = SokuCategory(results, category.flag);
    const int row = AddRow(SokuCategoryRowText(category.flag, list));
    if (!list.empty() && !list.front().image.empty())
      jobs.push_back(ThumbnailJob{row, list.front().image, category.thumbnail});
  }
  if ((results.flags & kSokuItems) != 0) {
    for (size_t i = 0; i < results.items.size(); ++i) {
      const int row = AddRow(SokuItemRowText(results.items[i]));
      if (!results.items[i].thumb.empty())
        jobs.push_back(ThumbnailJob{row, results.items[i].thumb, Format(u"Normal%d.jpg", static_cast<int>(i))});
    }
  }
  Invalidate();
  StartThumbnails(std::move(jobs));
}

void CSokuVideo::OnRowTapped(int row) {
  if (row < 0) return;
  const std::vector<uint32_t> categories = CategoryRows();
  if (row < static_cast<int>(categories.size())) {
    OpenCategory(categories[static_cast<size_t>(row)]);
    return;
  }
  if ((app_.Soku.flags & kSokuItems) == 0) return;
  const int index = row - static_cast<int>(categories.size());
  if (index >= static_cast<int>(app_.Soku.items.size())) return;
  const VideoRecord& item = app_.Soku.items[static_cast<size_t>(index)];
  DetailSubject subject{item, row, Thumbnails().Folder() + Format(u"Normal%d.jpg", index),
                        PlayAddressSource(session_.servers.parsePage, item.url)};
  CSokuVideoDetail(app_, std::move(subject), &Thumbnails(), session_.servers.timeouts).DoModal();
  if (IsCreated()) ui::EnterFullScreen(*this, true);
}

void CSokuVideo::OpenCategory(uint32_t flag) {
  SokuResults& results = app_.Soku;
  std::vector<SokuSeries>& list = SokuCategory(results, flag);
  if ((results.flags & kSokuMultiLink) != 0 && !list.empty() && list.front().groups.empty()) {
    bool complete = false;
    {
      ui::WaitCursorHold wait(GetUi());
      complete = CompleteSokuEntries(list, results.flags, SokuFetcher(session_.servers));
    }
    if (!complete) {
      ui::MessageBox(this, kFetchFailedMessage, u"Tarvo", ui::kMbOk | ui::kMbIconError);
      return;
    }
  }
  const bool person = (results.flags & kSokuPerson) != 0;
  const uint32_t mode = flag | (person ? kSokuPerson : 0u);
  const int width = flag == kSokuCartoon ? 5 : flag == kSokuTv ? (person ? 9 : 5) : 9;
  CSokuSeriesVideo(app_, list, mode, session_.servers, width).DoModal();
  if (IsCreated()) ui::EnterFullScreen(*this, true);
}

}  // namespace tarvo::video
