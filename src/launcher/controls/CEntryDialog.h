#pragma once
// The dialog that adds or changes one entry of a named-address list (a TV
// channel, a site): a label over a name edit, a label over an address edit,
// and "保存" and "取消". "保存" checks the texts, then applies and saves the
// edit, and only then says "保存成功!" and ends with OK; a check that fails
// or a file that was not written keeps the dialog open. "取消" and Escape
// end it with Cancel.
#include <memory>

#include "app/ScreenMetrics.h"
#include "launcher/controls/CSkinButton.h"
#include "launcher/controls/PanelEdit.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Static.h"

namespace tarvo {

inline constexpr char16_t kSavedText[] = u"保存成功!";
inline constexpr char16_t kSaveFailedText[] = u"保存失败!";

class CEntryDialog : public ui::Dialog {
 public:
  static constexpr int kNameLabelId = 1029;
  static constexpr int kNameEditId = 1000;
  static constexpr int kUrlLabelId = 1021;
  static constexpr int kUrlEditId = 1004;
  static constexpr int kSaveId = 1023;
  static constexpr int kCancelId = 1022;
  static constexpr int kNormalBitmap = 182;
  static constexpr int kPressedBitmap = 181;

  struct Look {
    const ScreenMetrics& metrics;
    ui::ImagingFactory& imaging;
    WString programDir;
  };

  CEntryDialog(ui::Ui& ui, Look look, WString nameLabel, WString urlLabel, WString name, WString url);
  ~CEntryDialog() override;

  WString Name() const;
  WString Url() const;

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;

 protected:
  // The message of the first check that fails, empty when the texts pass.
  virtual WString Check(const WString& name, const WString& url) const = 0;
  // Applies the edit and saves it; false when the file was not written.
  virtual bool Apply(const WString& name, const WString& url) = 0;

 private:
  void PlaceControls();
  void Save();
  void Inform(WStringView text);

  Look look_;
  WString nameLabelText_;
  WString urlLabelText_;
  WString initialName_;
  WString initialUrl_;
  ui::Static nameLabel_;
  ui::Static urlLabel_;
  PanelEdit nameEdit_;
  PanelEdit urlEdit_;
  SkinButtons buttons_;
};

}  // namespace tarvo
