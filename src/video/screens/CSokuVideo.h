#pragma once
// The Soku result list "Tarvo": a row for every category the page flagged
// (TV series, cartoons, films, variety; an empty one too, with empty text),
// then one row per ordinary item.
#include "video/screens/CVirtualVideo.h"
#include "video/screens/SokuSession.h"
#include "video/soku/SokuResults.h"

namespace tarvo::video {

class CSokuVideo : public CVirtualVideo {
 public:
  static constexpr int kDialogId = 208;
  static constexpr char16_t kCaption[] = u"Tarvo";

  CSokuVideo(CTarvoApp& app, SokuSession& session, ThumbnailLoader& thumbnails);

  // The flags of the category rows, in row order.
  std::vector<uint32_t> CategoryRows() const;

 protected:
  void LoadPage() override;
  void FillList() override;
  void OnRowTapped(int row) override;

 private:
  void OpenCategory(uint32_t flag);

  SokuSession& session_;
};

// A category's row text: its prefix and first entry's title; empty when the
// list is empty.
WString SokuCategoryRowText(uint32_t flag, const std::vector<soku::SokuSeries>& list);
// An item's row text: the title, then a line with the duration when both are there.
WString SokuItemRowText(const VideoRecord& item);
// The category list of a flag in the store.
std::vector<soku::SokuSeries>& SokuCategory(soku::SokuResults& results, uint32_t flag);

// Fills the entries of a category in the links form from their pages, on a
// copy: true and the copy in list when every page came (pages saying there
// is nothing are skipped), false and list unchanged otherwise. At most
// kMaxFollowedPages pages are fetched.
bool CompleteSokuEntries(std::vector<soku::SokuSeries>& list, uint32_t resultFlags, const PageFetcher& fetch);

}  // namespace tarvo::video
