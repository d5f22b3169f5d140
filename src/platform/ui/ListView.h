#pragma once
// A report list: columns with titles and widths, rows of sub-item texts with
// an image and a data value, one selected row, an image list that sets the
// row height, a per-row custom draw hook, hit tests of row and sub-item,
// scrolling by drag and by the scroll bar, and notifications to the parent:
// kSelectionChanged and kItemActivated (a tap on a row, not a drag).
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/ui/ImageList.h"
#include "platform/ui/Window.h"

namespace tarvo::ui {

class ListView;

struct ListRowDraw {
  Canvas& canvas;
  ListView& list;
  int row;
  Rect rect;        // the whole row, client coordinates
  bool selected;
  bool focused;     // the row holds the focus mark and the list has the focus
};

struct ListHit {
  int row = -1;
  int subItem = -1;
};

class ListView : public Window {
 public:
  // Return true when the row was drawn; false draws it the default way.
  using CustomDraw = std::function<bool(ListRowDraw& draw)>;

  bool Create(Window* parent, const Rect& rect, int id = 0);
  void SetShowHeader(bool show);
  void SetFullRowSelect(bool fullRow);
  void SetCustomDraw(CustomDraw draw) { customDraw_ = std::move(draw); }
  // Not owned; its height (+ 2) sets the row height when taller than text.
  void SetImageList(const ImageList* images);
  const ImageList* GetImageList() const { return images_; }

  int InsertColumn(int index, WStringView title, int width, unsigned align = kAlignLeft);
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  // Removes the column and its sub-items from every row.
  bool DeleteColumn(int column);
  void SetColumnWidth(int column, int width);
  int ColumnWidth(int column) const;

  // Returns the index of the new row (clamped to the end).
  int InsertItem(int row, WStringView text, int image = -1);
  bool SetItemText(int row, int subItem, WStringView text);
  WString GetItemText(int row, int subItem) const;
  bool SetItemImage(int row, int image);
  int GetItemImage(int row) const;
  bool SetItemData(int row, intptr_t data);
  intptr_t GetItemData(int row) const;
  bool DeleteItem(int row);
  void DeleteAllItems();
  int ItemCount() const { return static_cast<int>(rows_.size()); }

  int GetSelected() const { return selected_; }
  // -1 clears; no notification, as with a programmatic change.
  void SetSelected(int row);
  int FocusedRow() const { return focusedRow_; }

  // A fixed row height; 0 (the default) sizes rows by font and image list.
  void SetRowHeight(int height);
  int RowHeight() const;
  int HeaderHeight() const;
  Rect RowRect(int row) const;
  Rect SubItemRect(int row, int subItem) const;
  ListHit HitTest(Point clientPoint) const;
  // The hit of the last pen-down in the list.
  ListHit LastTap() const { return lastTap_; }
  void EnsureVisible(int row);
  int TopIndex() const;
  int VisibleRowCount() const;
  // Scrolls by pixels (positive shows later rows), clamped.
  void ScrollBy(int dy);
  int ScrollOffset() const { return scrollY_; }

  bool AcceptsFocus() const override { return true; }
  const char* ControlKind() const override { return "list"; }
  // The column titles, for scripts and tests.
  WString ColumnTitle(int column) const;
  void OnPaint(Canvas& canvas) override;
  void OnPenDown(Point point) override;
  void OnPenMove(Point point) override;
  void OnPenUp(Point point) override;
  bool OnKeyDown(int key) override;
  void OnSetFocus() override { Invalidate(); }
  void OnKillFocus() override { Invalidate(); }
  void OnSize() override { ScrollBy(0); }

  // The default drawing of a row, for custom draw hooks that add to it.
  void DrawRowDefault(ListRowDraw& draw);

 protected:
  // During OnPenUp: the press was a tap on rows, not a drag or a scroll-bar press.
  bool PressIsTap() const { return pressing_ && !dragging_ && !thumbDrag_; }

 private:
  struct Column {
    WString title;
    int width;
    unsigned align;
  };
  struct Row {
    std::vector<WString> texts;
    int image = -1;
    intptr_t data = 0;
  };

  Rect RowsArea() const;
  bool HasScrollBar() const;
  int ContentHeight() const;
  int MaxScroll() const;
  void Select(int row, bool notify);

  std::vector<Column> columns_;
  std::vector<Row> rows_;
  const ImageList* images_ = nullptr;
  CustomDraw customDraw_;
  bool showHeader_ = true;
  bool fullRowSelect_ = true;
  int fixedRowHeight_ = 0;
  int selected_ = -1;
  int focusedRow_ = -1;
  int scrollY_ = 0;
  ListHit lastTap_;
  // The press under way.
  bool pressing_ = false;
  bool dragging_ = false;
  bool thumbDrag_ = false;
  Point pressPoint_;
  int pressScroll_ = 0;
};

}  // namespace tarvo::ui
