#pragma once
// The Youku search screen "视频搜索": keyword (with the stored records), the
// ordering, "高清", a help text and "搜 索", which fetches page 1 and opens
// the result list.
#include "launcher/controls/CSkinButton.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Static.h"
#include "video/screens/CVirtualSearch.h"
#include "video/screens/YoukuSession.h"

namespace tarvo::video {

class CYoukuSearch : public CVirtualSearch {
 public:
  static constexpr char16_t kCaption[] = u"视频搜索";
  static constexpr int kKeywordId = 1201;
  static constexpr int kOrderLabelId = 1202;
  static constexpr int kOrderId = 1203;
  static constexpr int kHdId = 1204;
  static constexpr int kHelpId = 1205;
  static constexpr int kSearchId = 1206;

  explicit CYoukuSearch(CTarvoApp& app);

  const YoukuSession& Session() const { return session_; }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;

 protected:
  void LayOut() override;
  void OnRecordsChanged() override;

 private:
  void FillKeywords();
  void Search();

  YoukuSession session_;
  ui::ComboBox keyword_;
  ui::Static orderLabel_;
  ui::ComboBox order_;
  ui::Button hd_;
  ui::Static help_;
  CSkinButton search_;
};

// The orderings in combo order.
inline constexpr const char16_t* kYoukuOrderings[] = {u"相关程度", u"最新发布", u"最多播放", u"最多评论", u"最多收藏"};

}  // namespace tarvo::video
