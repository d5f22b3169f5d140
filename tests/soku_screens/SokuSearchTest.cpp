#include "SokuFixture.h"

namespace tarvo::testing {
namespace {
using namespace ::tarvo::video;

class SokuSearchScreens : public SokuFixture {
 protected:
  bool ImageFile(const std::string& name) {
    return std::filesystem::exists(dir_.File("phone/fs/Program Files/Tarvo/temp/image/" + name));
  }
  std::string RecordFile() {
    const WString path = driver_->Invoke([this] { return app_->SearchRecordPath; });
    std::string relative = ToUtf8(path);
    for (char& c : relative)
      if (c == '\\') c = '/';
    return PhoneFile(relative.substr(1));
  }
  size_t Occurrences(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }
};

TEST_F(SokuSearchScreens, TheSearchScreenHasItsControlsAndRefusesAnEmptyKeyword) {
  Launch();
  OpenSearch();
  EXPECT_EQ(driver_->TopCaption(), u"Tarvo");
  for (int id : {995, 996, 1013, 1045, 1049}) EXPECT_TRUE(driver_->ControlCenter(id)) << id;
  TapControl(CSokuSearch::kSearchId);
  ExpectBox(u"请输入需要搜索的内容！", ui::kOkCaption, u"Tarvo");
  EXPECT_TRUE(Top<CSokuSearch>());
  EXPECT_EQ(CountRequests("/v?"), 0u);
  SaveSokuScreen("search-240x320");
  // "关于Tarvo" from the options menu.
  driver_->GetUi().PostTask([this] { driver_->GetUi().ActiveWindow()->OnCommand(CVirtualSearch::kAboutId, 0); });
  ExpectBox(u"Tarvo 版本：V1.15", ui::kOkCaption, u"Tarvo");
}

TEST_F(SokuSearchScreens, AKeywordIsStoredOnceWhateverItsCase) {
  Launch();
  OpenSearch();
  const size_t before = driver_->Invoke([this] { return app_->Keywords.size(); });
  Search(u"abc");
  ExpectBox(u"抱歉,没有找到相关视频", ui::kOkCaption, u"Tarvo");
  ASSERT_TRUE(WaitForScreen<CSokuVideo>());
  EXPECT_TRUE(Rows().empty());  // a new search that found nothing shows an empty list
  TapControl(CVirtualVideo::kBackId);
  ASSERT_TRUE(WaitForScreen<CSokuSearch>());
  driver_->Invoke([this] {
    static_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1013))->SetEditText(u"");
  });
  Search(u"ABC");
  ExpectBox(u"抱歉,没有找到相关视频");
  ASSERT_TRUE(WaitForScreen<CSokuVideo>());
  const std::string file = RecordFile();
  EXPECT_EQ(Occurrences(file, "abc"), 1u) << file;
  EXPECT_EQ(Occurrences(file, "ABC"), 0u) << file;
  EXPECT_EQ(driver_->Invoke([this] { return app_->Keywords.size(); }), before + 1);
  // The request carries every byte escaped.
  EXPECT_EQ(CountRequests("/v?keyword=%61%62%63&hd=0&curpage=1"), 1u);
  EXPECT_EQ(CountRequests("/v?keyword=%41%42%43&hd=0&curpage=1"), 1u);
}

TEST_F(SokuSearchScreens, CommandRecordsChangedRefillsTheKeywordBox) {
  Launch();
  OpenSearch();
  driver_->Invoke([this] {
    app_->Keywords = {u"一", u"二"};
    driver_->GetUi().ActiveWindow()->OnCommand(CSokuSearch::kRecordsChangedId, 0);
  });
  const int count = driver_->Invoke([this] {
    return static_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1013))->GetCount();
  });
  EXPECT_EQ(count, 2);
}

TEST_F(SokuSearchScreens, TheListShowsEveryRowKindAndPagesToBothEnds) {
  Launch();
  SearchToList(u"海潮");
  EXPECT_EQ(driver_->TopCaption(), u"Tarvo");
  std::vector<std::string> rows = Rows();
  ASSERT_EQ(rows.size(), 14u);
  EXPECT_EQ(rows[0], "点击查看所有【电视剧】\n海潮人家");
  EXPECT_EQ(rows[1], "点击查看所有【动漫】\n");  // the cartoon link has no title
  EXPECT_EQ(rows[2], "点击查看所有【电影】\n海潮之夜");
  EXPECT_EQ(rows[3], "点击查看所有【综艺】\n海潮周末");
  EXPECT_EQ(rows[4], "海潮片段01\n07:13");
  EXPECT_EQ(rows[13], "海潮片段10");  // no duration
  SaveSokuScreen("list-240x320");
  TapControl(CVirtualVideo::kPreviousId);
  ExpectBox(u"已经是第一页！");
  TapControl(CVirtualVideo::kNextId);
  ASSERT_TRUE(driver_->WaitFor([this] { return RowCountHere() == 10; }));
  EXPECT_EQ(Rows()[0], "海潮片段11\n17:23");
  TapControl(CVirtualVideo::kNextId);
  ASSERT_TRUE(driver_->WaitFor([this] { return RowCountHere() == 3; }));
  TapControl(CVirtualVideo::kNextId);
  ExpectBox(u"已经是最后一页！");
  EXPECT_EQ(CountRequests("/v?keyword=%E6%B5%B7%E6%BD%AE&hd=0&curpage=4"), 0u);
  EXPECT_EQ(CountRequests("/v?keyword=%E6%B5%B7%E6%BD%AE&hd=0&curpage=3"), 1u);
}

TEST_F(SokuSearchScreens, TheSiteFaultAndAFailedSearchSayWhy) {
  Launch();
  OpenSearch();
  Search(u"片库故障");
  ExpectBox(u"抱歉,服务器临时维护.", ui::kOkCaption, u"Tarvo");
  ASSERT_TRUE(WaitForScreen<CSokuVideo>());
  TapControl(CVirtualVideo::kBackId);
  ASSERT_TRUE(WaitForScreen<CSokuSearch>());
  driver_->Invoke([this] {
    static_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1013))->SetEditText(u"");
  });
  ASSERT_TRUE(servers_.ArmFault("/v", "reset:0", 1));
  Search(u"海潮");
  ExpectBox(u"搜索失败,可能无法连接服务器或搜索超时.", ui::kOkCaption, u"Tarvo");
  EXPECT_TRUE(Top<CSokuSearch>());
}

TEST_F(SokuSearchScreens, AnItemOpensItsDetailWhichPlays) {
  Launch();
  SearchToList(u"海潮");
  TapRow(994, 5);  // the second item: a script link with the address in clicklog
  ASSERT_TRUE(WaitForScreen<CSokuVideoDetail>());
  EXPECT_EQ(driver_->TopCaption(), u"Tarvo");
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"标题:海潮片段02", "片长:14:26"}));
  TapControl(CVirtualVideoDetail::kPlayId);
  ASSERT_TRUE(WaitForPlay());
  EXPECT_EQ(Playlist(), PlaylistOf("hc02"));
  EXPECT_EQ(CountRequests("/parse.php?kw=" + Base() + "/v_show/id_hc02.html"), 1u);
  EXPECT_NE(LaunchLog().find("\topen\t"), std::string::npos);
  TapControl(CVirtualVideoDetail::kBackId);
  EXPECT_TRUE(WaitForScreen<CSokuVideo>());
}

TEST_F(SokuSearchScreens, AMissingThumbnailKeepsItsPlaceholder) {
  ASSERT_TRUE(servers_.ArmFault("/soku/img/hc01.jpg", "status:404", 0));
  Launch();
  OpenSearch();
  CSokuSearch* search = Top<CSokuSearch>();
  Search(u"海潮");
  ASSERT_TRUE(WaitForScreen<CSokuVideo>());
  // Row 5 (hc02) arrives, row 4 (hc01) never does; the categories' under their names.
  ASSERT_TRUE(driver_->WaitFor([search] { return search->Thumbnails()->IsReady(13); }));
  EXPECT_TRUE(driver_->Invoke([search] { return search->Thumbnails()->IsReady(5); }));
  // The 404 page came but is no picture: row 4 keeps the placeholder, which
  // every row started with, while rows 5 and 6 show their pictures.
  auto centre = [this](int slot) {
    return driver_->Invoke([this, slot] {
      ui::Canvas canvas(108, 108);
      dynamic_cast<CSokuVideo*>(driver_->GetUi().ActiveWindow())->Images().Draw(canvas, slot, ui::Point{0, 0});
      return canvas.PixelAt(54, 54);
    });
  };
  EXPECT_NE(centre(4), centre(5));
  EXPECT_NE(centre(5), centre(6));
  EXPECT_NE(centre(4), centre(6));
  EXPECT_TRUE(driver_->WaitFor([search] { return search->Thumbnails()->IsReady(0); }));
  EXPECT_TRUE(ImageFile("TV.jpg"));
  EXPECT_TRUE(ImageFile("Cartoon.jpg"));
  EXPECT_TRUE(ImageFile("Movie.jpg"));
  EXPECT_TRUE(ImageFile("Variety.jpg"));
  EXPECT_TRUE(ImageFile("Normal1.jpg"));
  EXPECT_EQ(CountRequests("/soku/img/hc01.jpg"), 1u);
}

}  // namespace
}  // namespace tarvo::testing
