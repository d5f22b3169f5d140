#pragma once
// The paged result list with thumbnails: one row per section header or
// video, a picture on the left and up to three fitted lines of text right of
// it; "上一页", "下一页" and "返回" in the bottom bar with the page label
// "第 %d 页". A service fetches and parses its pages (LoadPage), builds the
// rows (FillList) and opens what a row stands for (OnRowTapped).
#include <vector>

#include "launcher/controls/CImageButtonEx.h"
#include "launcher/controls/CSkinButton.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "video/screens/CVirtualDialog.h"
#include "video/screens/ThumbnailLoader.h"

namespace tarvo::video {

class CVirtualVideo : public CVirtualDialog {
 public:
  static constexpr int kListId = 994;
  static constexpr int kPreviousId = 1001;
  static constexpr int kNextId = 1002;
  static constexpr int kBackId = 1003;
  static constexpr int kThumbnailSize = 108;

  CVirtualVideo(CTarvoApp& app, WStringView caption, ThumbnailLoader& thumbnails);
  ~CVirtualVideo() override;

  int PageNumber() const { return page_; }
  const ui::ImageList& Images() const { return images_; }
  // The page label as painted.
  WString PageLabel() const;

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnOK() override { Back(); }
  void OnCancel() override { Back(); }
  void OnActivate(bool active) override;
  void OnPaint(ui::Canvas& canvas) override;
  void DescribePainted(std::vector<ui::PaintedText>& out) const override;
  void DescribeValues(ui::DescribedValues& out) const override;

 protected:
  // Fetches and parses page PageNumber(); on success repaints and FillList.
  virtual void LoadPage() {}
  // Builds the rows from the parsed result and starts the thumbnails.
  virtual void FillList() {}
  virtual void OnRowTapped(int /*row*/) {}
  void LayOut() override;

  // A row with the placeholder picture; returns its index.
  int AddRow(WStringView text);
  void StartThumbnails(std::vector<ThumbnailJob> jobs);
  // Stops the worker, empties the image list, the rows and the folder.
  void StopThumbnails();
  void Back();
  // Whether the page just loaded had no "下一页"; set by LoadPage.
  void SetNoNextPage(bool none) { noNextPage_ = none; }
  bool NoNextPage() const { return noNextPage_; }
  ThumbnailLoader& Thumbnails() { return thumbnails_; }
  int TextWidth() const;

  int page_ = 1;

 private:
  bool DrawRow(ui::ListRowDraw& draw);
  ui::Rect PageLabelRect() const;

  ThumbnailLoader& thumbnails_;
  ui::ListView list_;
  ui::ImageList images_{kThumbnailSize, kThumbnailSize};
  ui::Canvas placeholder_;
  CImageButtonEx previous_;
  CImageButtonEx next_;
  CSkinButton back_;
  bool noNextPage_ = false;
};

}  // namespace tarvo::video
