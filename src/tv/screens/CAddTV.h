#pragma once
// The channel dialog: a new channel (mode 2, the address preset to "mms://")
// or a change of one (mode 1). The edit is applied and saved through the
// editor's callback before "保存成功!".
#include <functional>

#include "app/shell/TarvoApp.h"
#include "launcher/controls/CEntryDialog.h"
#include "tv/TvChannel.h"

namespace tarvo {

class CAddTV : public CEntryDialog {
 public:
  static constexpr int kModifyMode = 1;
  static constexpr int kAddMode = 2;
  using ApplyEdit = std::function<bool(const TvChannel& channel)>;

  // channel: the one being changed (mode 1); ignored for mode 2.
  CAddTV(CTarvoApp& app, int mode, const TvChannel& channel, ApplyEdit apply);

  int Mode() const { return mode_; }

 protected:
  WString Check(const WString& name, const WString& url) const override;
  bool Apply(const WString& name, const WString& url) override;

 private:
  int mode_;
  ApplyEdit apply_;
};

}  // namespace tarvo
