#pragma once
// A combo box: a drop-down list (pick only) or an editable drop-down (an edit
// field with a list). The list opens as a popup below the box (above when
// there is no room) and closes on a pick or a tap outside. Picking sends
// kSelectionChanged; typing in the editable form sends kTextChanged.
#include <memory>
#include <vector>

#include "platform/ui/Edit.h"
#include "platform/ui/ListView.h"

namespace tarvo::ui {

enum class ComboStyle { DropDownList, DropDown };

class ComboBox : public Window {
 public:
  ComboBox();
  ~ComboBox() override;

  bool Create(Window* parent, const Rect& rect, int id, ComboStyle style = ComboStyle::DropDownList);
  int AddString(WStringView text);
  int InsertString(int index, WStringView text);
  bool DeleteString(int index);
  void ResetContent();
  int GetCount() const { return static_cast<int>(items_.size()); }
  WString GetLBText(int index) const;
  bool SetItemData(int index, intptr_t data);
  intptr_t GetItemData(int index) const;
  int GetCurSel() const { return selected_; }
  // -1 clears; the edit field of an editable box shows the item's text.
  void SetCurSel(int index);
  // The shown text: the selected item's, or the edit field's.
  WString GetWindowText() const;
  void SetEditText(WStringView text);
  void ShowDropDown(bool show);
  bool IsDroppedDown() const { return dropList_ != nullptr; }
  // The open list (for tests and the gallery); null when closed.
  ListView* DropListView() const;
  // How many rows the open list shows at most.
  void SetVisibleRows(int rows) { visibleRows_ = rows; }

  bool AcceptsFocus() const override { return style_ == ComboStyle::DropDownList; }
  const char* ControlKind() const override { return "combo"; }
  WString ShownText() const override { return GetWindowText(); }
  void OnPaint(Canvas& canvas) override;
  void OnPenDown(Point point) override;
  bool OnKeyDown(int key) override;
  bool OnCommand(int id, int code) override;
  // The edit field of an editable box follows the box's size.
  void OnSize() override;
  void OnSetFocus() override { Invalidate(); }
  void OnKillFocus() override { Invalidate(); }

  // Called by the open list.
  void Picked(int index);

 private:
  class DropList;
  struct Item {
    WString text;
    intptr_t data = 0;
  };
  Rect ArrowRect() const;

  ComboStyle style_ = ComboStyle::DropDownList;
  std::vector<Item> items_;
  int selected_ = -1;
  int visibleRows_ = 6;
  Edit edit_;
  std::unique_ptr<DropList> dropList_;
};

}  // namespace tarvo::ui
