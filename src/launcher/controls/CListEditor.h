#pragma once
// The frame of the two list editors (my TV, the site directory's settings):
// a two-column list painted as joined rows, and "上移", "下移", "添加",
// "删除", "修改" along the bottom, each three character widths wide and 5
// pixels apart. The top bar's "ok" ends the editor with OK, Escape with
// Cancel. The list can give up the input panel's height, with the buttons
// following its bottom.
#include "app/ScreenMetrics.h"
#include "app/XmlListEditor.h"
#include "launcher/controls/CSkinButton.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListView.h"

namespace tarvo {

class CListEditor : public ui::Dialog {
 public:
  static constexpr int kMoveUpId = 1015;
  static constexpr int kMoveDownId = 1016;
  static constexpr int kAddId = 1028;
  static constexpr int kDeleteId = 992;
  static constexpr int kModifyId = 1051;
  static constexpr int kNormalBitmap = 182;
  static constexpr int kPressedBitmap = 181;

  struct Look {
    const ScreenMetrics& metrics;
    ui::ImagingFactory& imaging;
    WString programDir;
    int listId;
    WString firstColumn;
    WString secondColumn;
    bool yieldsToInputPanel;  // the list shrinks while the input panel is up
  };

  CListEditor(ui::Ui& ui, WStringView caption, Look look);
  ~CListEditor() override;

  int Selected() const { return selected_; }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;
  void OnSettingChange(ui::SettingChange change) override;

 protected:
  virtual void FillRows() = 0;
  virtual void AddEntry() = 0;
  virtual void ModifyEntry() = 0;
  // The list side of the edits; the rows follow here.
  virtual ListEditOutcome DeleteEntry(int row, int& next) = 0;
  virtual ListEditOutcome MoveEntry(int row, int step) = 0;

  ui::ListView& List() { return list_; }
  void Select(int row);
  void Inform(WStringView text);
  // Inserts a row at the end and shows it.
  void AppendRow(WStringView first, WStringView second);
  void SetRow(int row, WStringView first, WStringView second);

 private:
  void PlaceControls();
  void Delete();
  void Move(int step);

  Look look_;
  ui::ListView list_;
  SkinButtons buttons_;
  int selected_ = -1;
};

}  // namespace tarvo
