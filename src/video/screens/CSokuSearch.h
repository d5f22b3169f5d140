#pragma once
// The Soku search screen "Tarvo": keyword (with the stored records), "高清",
// a help text and "搜 索", which fetches page 1 and opens the result list.
#include "launcher/controls/CSkinButton.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Static.h"
#include "video/screens/CVirtualSearch.h"
#include "video/screens/SokuSession.h"

namespace tarvo::video {

class CSokuSearch : public CVirtualSearch {
 public:
  static constexpr int kDialogId = 206;
  static constexpr char16_t kCaption[] = u"Tarvo";
  static constexpr int kSearchId = 995;
  static constexpr int kBlankId = 996;
  static constexpr int kKeywordId = 1013;
  static constexpr int kHelpId = 1045;
  static constexpr int kHdId = 1049;
  // The keyword records changed: the combo box is filled again.
  static constexpr int kRecordsChangedId = 1058;

  explicit CSokuSearch(CTarvoApp& app);

  const SokuSession& Session() const { return session_; }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;

 protected:
  void LayOut() override;
  void OnRecordsChanged() override { OnCommand(kRecordsChangedId, 0); }

 private:
  void FillKeywords();
  void Search();

  SokuSession session_;
  ui::ComboBox keyword_;
  ui::Button hd_;
  ui::Static blank_;
  ui::Static help_;
  CSkinButton search_;
};

}  // namespace tarvo::video
