#pragma once
// The browser setting: the path of the browser that web addresses open in,
// with buttons to find it, try it and save it.
#include "app/shell/TarvoApp.h"
#include "launcher/controls/CSkinButton.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace tarvo {

class CIESet : public ui::Dialog {
 public:
  static constexpr char16_t kCaption[] = u"浏览器设置";
  static constexpr char16_t kNote[] =
      u"说明：\r\n  Tarvo中所调用的浏览器将会是此处设置的浏览器，推荐使用UC。需要使用默认浏览器IE，清空路径保存即可。";
  static constexpr int kLabelId = 100;
  static constexpr int kPathId = 101;
  static constexpr int kFindId = 102;
  static constexpr int kTestId = 103;
  static constexpr int kSaveId = 104;
  static constexpr int kNoteId = 105;

  explicit CIESet(CTarvoApp& app);
  ~CIESet() override;

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;

 private:
  void PlaceControls();
  void Find();
  void Test();
  void Save();
  void Say(WStringView text);

  CTarvoApp& app_;
  ui::Static label_;
  ui::Edit path_;
  SkinButtons buttons_;
  ui::Static note_;
};

}  // namespace tarvo
