#pragma once
// The my-TV editor: the user's channels with their addresses, edited in the
// TV screen's own TVList.xml document and saved after every action.
#include <vector>

#include "app/shell/TarvoApp.h"
#include "launcher/controls/CListEditor.h"
#include "tv/MyTvFile.h"

namespace tarvo {

class CSelfDefinedTV : public CListEditor {
 public:
  static constexpr char16_t kCaption[] = u"推荐电视";
  static constexpr int kListId = 994;

  // channels: the list as the document holds it.
  CSelfDefinedTV(CTarvoApp& app, MyTvFile& file, std::vector<TvChannel> channels);

  const std::vector<TvChannel>& Channels() const { return channels_; }

 protected:
  void FillRows() override;
  void AddEntry() override;
  void ModifyEntry() override;
  ListEditOutcome DeleteEntry(int row, int& next) override;
  ListEditOutcome MoveEntry(int row, int step) override;

 private:
  CTarvoApp& app_;
  std::vector<TvChannel> channels_;
  XmlListEditor<TvChannel> editor_;
};

}  // namespace tarvo
