#include "platform/ui/FileChooser.h"

#include <atomic>

#include <gtest/gtest.h>

#include "platform/device/PhoneFileSystem.h"
#include "platform/ui/ImageCodec.h"
#include "support/TempDir.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::ui {
namespace {

using testing::ScreenDriver;

TEST(FileFilters, PatternsMatchWithoutRegardToCase) {
  EXPECT_TRUE(MatchesFilter(u"photo.JPG", u"*.png;*.jpg"));
  EXPECT_TRUE(MatchesFilter(u"a.png", u" *.png ; *.jpg"));
  EXPECT_FALSE(MatchesFilter(u"a.png.txt", u"*.png"));
  EXPECT_TRUE(MatchesFilter(u"noext", u"*.*"));
  EXPECT_TRUE(MatchesFilter(u"x1.m3u", u"x?.m3u"));
  EXPECT_FALSE(MatchesFilter(u"anything", u""));
  // Many stars against a long name stays quick.
  EXPECT_FALSE(MatchesFilter(WString(5000, u'a'), u"*a*a*a*a*a*a*a*a*b"));
}

class Chooser : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("fs/My Documents/b.png", *EncodePng(Canvas(4, 4, PixelFormat::Rgba, 0xFF0000FF)));
    dir_.Write("fs/My Documents/a.txt", "x");
    dir_.Write("fs/My Documents/相册/c.jpg", "not really a jpeg");
  }
  void Open(FileChooserOptions options) {
    driver_.Start([this, options] {
      result_ = ChooseFile(driver_.GetUi(), files_, options);
      done_ = true;
    });
    ASSERT_TRUE(driver_.WaitForDialog(options.title));
  }
  std::vector<WString> Rows() {
    std::vector<WString> rows;
    auto listed = driver_.ListRows(FileChooserDialog::kListId);
    if (!listed) return rows;
    for (const auto& row : *listed) rows.push_back(row[0]);
    return rows;
  }
  void TapRow(int row) {
    ui::Point p = driver_.Invoke([&] {
      auto* list = dynamic_cast<ListView*>(testing::FindDescendant(driver_.GetUi().ActiveWindow(), FileChooserDialog::kListId));
      Rect r = list->RowRect(row);
      return list->ToScreen(Point{r.left + 10, (r.top + r.bottom) / 2});
    });
    driver_.Tap(p);
  }

  testing::TempDir dir_;
  PhoneFileSystem files_{dir_.Path() + "/fs"};
  std::optional<WString> result_;
  std::atomic<bool> done_{false};
  ScreenDriver driver_;  // last: stops the UI thread before the state above goes
};

TEST_F(Chooser, ShowsFoldersFirstThenFilesOfTheFilterAndChoosesByTap) {
  FileChooserOptions options;
  options.title = u"选择图片";
  options.filter = u"*.png;*.jpg";
  options.startFolder = u"\\My Documents";
  options.thumbnails = true;
  Open(options);
  EXPECT_EQ(Rows(), (std::vector<WString>{u"..", u"[相册]", u"b.png"}));
  TapRow(1);
  EXPECT_EQ(driver_.ControlText(FileChooserDialog::kFolderId), WString(u"\\My Documents\\相册"));
  EXPECT_EQ(Rows(), (std::vector<WString>{u"..", u"c.jpg"}));  // undecodable: listed without a thumbnail
  TapRow(0);
  EXPECT_EQ(Rows(), (std::vector<WString>{u"..", u"[相册]", u"b.png"}));
  TapRow(2);
  ASSERT_TRUE(driver_.WaitFor([&] { return done_.load(); }));
  EXPECT_EQ(result_, WString(u"\\My Documents\\b.png"));
}

TEST_F(Chooser, AMissingStartFolderOpensTheRootAndCancelChoosesNothing) {
  FileChooserOptions options;
  options.startFolder = u"\\Nowhere";
  Open(options);
  EXPECT_EQ(driver_.ControlText(FileChooserDialog::kFolderId), WString(u"\\"));
  EXPECT_EQ(Rows(), (std::vector<WString>{u"[My Documents]"}));
  ASSERT_TRUE(driver_.PickMenuItem({FileChooserDialog::kCancelCaption}));
  ASSERT_TRUE(driver_.WaitFor([&] { return done_.load(); }));
  EXPECT_FALSE(result_);
}

}  // namespace
}  // namespace tarvo::ui
