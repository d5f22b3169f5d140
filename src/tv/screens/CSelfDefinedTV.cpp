#include "tv/screens/CSelfDefinedTV.h"

#include "tv/screens/CAddTV.h"

namespace tarvo {

CSelfDefinedTV::CSelfDefinedTV(CTarvoApp& app, MyTvFile& file, std::vector<TvChannel> channels)
    : CListEditor(app.GetUi(), kCaption,
                  Look{app.Metrics, app.Imaging(), app.ProgramDir, kListId, u"电视名称", u"播放地址", false}),
      app_(app),
      channels_(std::move(channels)),
      editor_(channels_, file.Document()) {}

void CSelfDefinedTV::FillRows() {
  List().DeleteAllItems();
  for (const TvChannel& channel : channels_) AppendRow(channel.name, channel.url);
  Select(-1);
}

void CSelfDefinedTV::AddEntry() {
  const size_t before = channels_.size();
  CAddTV dialog(app_, CAddTV::kAddMode, TvChannel{}, [this](const TvChannel& channel) {
    return editor_.Add(channel) == ListEditOutcome::kDone;
  });
  if (dialog.DoModal() != ui::kIdOk || !IsCreated()) return;
  for (size_t i = before; i < channels_.size(); ++i) AppendRow(channels_[i].name, channels_[i].url);
}

void CSelfDefinedTV::ModifyEntry() {
  const int row = Selected();
  CAddTV dialog(app_, CAddTV::kModifyMode, channels_[static_cast<size_t>(row)], [this, row](const TvChannel& channel) {
    return editor_.ModifyAt(row, channel) == ListEditOutcome::kDone;
  });
  if (dialog.DoModal() != ui::kIdOk || !IsCreated()) return;
  const TvChannel& stored = channels_[static_cast<size_t>(row)];
  SetRow(row, stored.name, stored.url);
  List().EnsureVisible(row);
}

ListEditOutcome CSelfDefinedTV::DeleteEntry(int row, int& next) { return editor_.Delete(row, next); }

ListEditOutcome CSelfDefinedTV::MoveEntry(int row, int step) { return editor_.Move(row, step); }

}  // namespace tarvo
