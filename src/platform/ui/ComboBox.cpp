#include "platform/ui/ComboBox.h"

#include <algorithm>

#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {
namespace {

constexpr int kEditId = 1001;
constexpr int kListId = 1002;

}  // namespace

// The popup under the box holding its list.
class ComboBox::DropList : public Window {
 public:
  DropList(ComboBox& owner, const Rect& screenRect) : owner_(owner) {
    CreateTopLevel(owner.GetUi(), screenRect);
    list_.Create(this, ClientRect().Inflate(-1, -1), kListId);
    list_.SetShowHeader(false);
    list_.InsertColumn(0, u"", ClientRect().Width() - 2);
  }
  bool IsPopup() const override { return true; }
  ListView& List() { return list_; }
  void OnPaint(Canvas& canvas) override { canvas.FrameRect(ClientRect(), theme::kMenuBorder); }
  void OnPenDownOutside(Point) override { owner_.ShowDropDown(false); }
  bool OnCommand(int id, int code) override {
    if (id == kListId && code == kItemActivated) {
      // Picked closes this window: nothing of it is used afterwards.
      owner_.Picked(list_.GetSelected());
      return true;
    }
    return false;
  }
  bool OnKeyDown(int key) override {
    if (key == keys::kEscape) {
      owner_.ShowDropDown(false);
      return true;
    }
    return list_.OnKeyDown(key);
  }

 private:
  ComboBox& owner_;
  ListView list_;
};

ComboBox::ComboBox() = default;

ComboBox::~ComboBox() { dropList_.reset(); }

bool ComboBox::Create(Window* parent, const Rect& rect, int id, ComboStyle style) {
  style_ = style;
  if (!CreateChild(parent, rect, id)) return false;
  if (style_ == ComboStyle::DropDown) {
    Rect r = ClientRect();
    r.right = ArrowRect().left;
    edit_.Create(this, r, kEditId);
  }
  return true;
}

void ComboBox::OnSize() {
  if (!edit_.IsCreated()) return;
  Rect r = ClientRect();
  r.right = ArrowRect().left;
  edit_.MoveWindow(r);
}

Rect ComboBox::ArrowRect() const {
  Rect r = ClientRect();
  int w = std::min(r.Width() / 2, r.Height());
  return Rect{r.right - w, r.top, r.right, r.bottom};
}

int ComboBox::AddString(WStringView text) { return InsertString(GetCount(), text); }

int ComboBox::InsertString(int index, WStringView text) {
  index = std::clamp(index, 0, GetCount());
  items_.insert(items_.begin() + index, Item{WString(text), 0});
  if (selected_ >= index) ++selected_;
  Invalidate();
  return index;
}

bool ComboBox::DeleteString(int index) {
  if (index < 0 || index >= GetCount()) return false;
  items_.erase(items_.begin() + index);
  if (selected_ == index) selected_ = -1;
  else if (selected_ > index) --selected_;
  Invalidate();
  return true;
}

void ComboBox::ResetContent() {
  items_.clear();
  selected_ = -1;
  Invalidate();
}

WString ComboBox::GetLBText(int index) const {
  return index >= 0 && index < GetCount() ? items_[static_cast<size_t>(index)].text : WString();
}

bool ComboBox::SetItemData(int index, intptr_t data) {
  if (index < 0 || index >= GetCount()) return false;
  items_[static_cast<size_t>(index)].data = data;
  return true;
}

intptr_t ComboBox::GetItemData(int index) const {
  return index >= 0 && index < GetCount() ? items_[static_cast<size_t>(index)].data : 0;
}

void ComboBox::SetCurSel(int index) {
  if (index < -1 || index >= GetCount()) return;
  selected_ = index;
  if (style_ == ComboStyle::DropDown && edit_.IsCreated()) edit_.SetWindowText(GetLBText(index));
  Invalidate();
}

WString ComboBox::GetWindowText() const {
  if (style_ == ComboStyle::DropDown) return edit_.Text();
  return GetLBText(selected_);
}

void ComboBox::SetEditText(WStringView text) {
  if (style_ == ComboStyle::DropDown) edit_.SetWindowText(text);
}

ListView* ComboBox::DropListView() const { return dropList_ ? &dropList_->List() : nullptr; }

void ComboBox::ShowDropDown(bool show) {
  if (show == IsDroppedDown() || !IsCreated()) return;
  if (!show) {
    std::unique_ptr<DropList> closing = std::move(dropList_);
    closing->Destroy();
    NotifyParent(kCloseUp);
    return;
  }
  NotifyParent(kDropDown);
  Ui& ui = GetUi();
  Rect box = ScreenRect();
  int rowHeight = GetFont().Height() + 4;
  int rows = std::clamp(GetCount(), 1, std::max(1, visibleRows_));
  int height = rows * rowHeight + 2;
  int top = box.bottom;
  if (top + height > ui.ScreenHeight() && box.top - height >= 0) top = box.top - height;
  height = std::min(height, ui.ScreenHeight() - top);
  dropList_ = std::make_unique<DropList>(*this, Rect{box.left, top, box.right, top + height});
  ListView& list = dropList_->List();
  for (int i = 0; i < GetCount(); ++i) list.InsertItem(i, items_[static_cast<size_t>(i)].text);
  list.SetSelected(selected_);
  list.EnsureVisible(selected_);
  dropList_->Show(true);
  ui.BringToTop(dropList_.get());
}

void ComboBox::Picked(int index) {
  ShowDropDown(false);
  if (index < 0 || index >= GetCount()) return;
  SetCurSel(index);
  NotifyParent(kSelectionChanged);
}

void ComboBox::OnPaint(Canvas& canvas) {
  Rect r = ClientRect();
  bool enabled = IsEffectivelyEnabled();
  canvas.FillRect(r, theme::kWindow);
  canvas.FrameRect(r, theme::kEditBorder);
  Rect arrow = ArrowRect();
  canvas.FillRect(arrow.Inflate(-1, -1), IsDroppedDown() ? theme::kButtonPressed : theme::kButtonFace);
  canvas.FrameRect(arrow, theme::kEditBorder);
  int cx = (arrow.left + arrow.right) / 2, cy = (arrow.top + arrow.bottom) / 2 + 1;
  int s = std::max(2, arrow.Width() / 5);
  for (int d = 0; d <= s; ++d)
    canvas.DrawLine(Point{cx - s + d, cy - s / 2 + d - 1}, Point{cx + s - d, cy - s / 2 + d - 1},
                    enabled ? theme::kWindowText : theme::kGrayText);
  if (style_ == ComboStyle::DropDownList) {
    Rect text{r.left + 3, r.top + 1, arrow.left - 2, r.bottom - 1};
    bool focused = HasFocus();
    if (focused) canvas.FillRect(text, theme::kHighlight);
    canvas.DrawText(GetFont(), GetLBText(selected_), text.Inflate(-1, 0),
                    !enabled ? theme::kGrayText : focused ? theme::kHighlightText : theme::kWindowText,
                    kAlignLeft | kAlignVCenter);
  }
}

void ComboBox::OnPenDown(Point point) {
  if (style_ == ComboStyle::DropDown && !ArrowRect().Contains(point)) return;
  ShowDropDown(!IsDroppedDown());
}

bool ComboBox::OnKeyDown(int key) {
  if (key == keys::kUp || key == keys::kDown) {
    int next = std::clamp(selected_ + (key == keys::kDown ? 1 : -1), 0, std::max(0, GetCount() - 1));
    if (GetCount() > 0 && next != selected_) {
      SetCurSel(next);
      NotifyParent(kSelectionChanged);
    }
    return true;
  }
  if (key == keys::kReturn && style_ == ComboStyle::DropDownList) {
    ShowDropDown(!IsDroppedDown());
    return true;
  }
  return false;
}

bool ComboBox::OnCommand(int id, int code) {
  if (id == kEditId) {
    if (code == kTextChanged) {
      selected_ = -1;
      NotifyParent(kTextChanged);
    }
    return true;
  }
  return Window::OnCommand(id, code);
}

}  // namespace tarvo::ui
