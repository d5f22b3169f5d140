#pragma once
// Edit fields: single line (scrolls sideways to keep the caret in view) or
// multi-line (wrapped, scrolled by lines, with a scroll bar when the text
// overflows); masked for passwords; a length limit that typing and pasting
// respect; paste from the Ui's clipboard. Text changes by the user send
// kTextChanged to the parent.
#include <vector>

#include "platform/ui/Window.h"

namespace tarvo::ui {

struct EditStyle {
  bool multiLine = false;
  bool password = false;
  bool readOnly = false;
  bool border = true;
};

class Edit : public Window {
 public:
  static constexpr char16_t kMaskChar = u'*';

  bool Create(Window* parent, const Rect& rect, int id = 0, EditStyle style = EditStyle());
  const EditStyle& Style() const { return style_; }
  void SetReadOnly(bool readOnly) { style_.readOnly = readOnly; }
  // 0 means no limit. Text already longer is kept.
  void SetLimitText(size_t limit) { limit_ = limit; }
  size_t LimitText() const { return limit_; }
  // Replaces the text; the caret and the view go to its start.
  void SetWindowText(WStringView text);
  // Inserts at the caret as typing would (limit applies); true when anything went in.
  bool ReplaceSel(WStringView text);
  bool Paste();
  size_t Caret() const { return caret_; }
  void SetCaret(size_t position);

  int LineCount() const;
  int FirstVisibleLine() const { return topLine_; }
  int VisibleLineCount() const;
  void LineScroll(int lines);
  // The displayed lines (masked when a password).
  std::vector<WString> DisplayLines() const;

  bool AcceptsFocus() const override { return true; }
  const char* ControlKind() const override { return "edit"; }
  WString ShownText() const override { return Shown(); }
  void OnPaint(Canvas& canvas) override;
  void OnTextSet() override;
  void OnPenDown(Point point) override;
  void OnPenMove(Point point) override;
  void OnPenUp(Point point) override;
  bool OnKeyDown(int key) override;
  bool OnChar(WStringView text) override;
  void OnSetFocus() override { Invalidate(); }
  void OnKillFocus() override { Invalidate(); }
  void OnSize() override { EnsureCaretVisible(); }

 protected:
  Rect TextRect() const;
  bool HasScrollBar() const;

 private:
  WString Shown() const;
  std::vector<Font::Span> Layout() const;
  size_t PositionAt(Point point) const;
  void EnsureCaretVisible();
  void Changed();
  void EraseAt(size_t position);

  EditStyle style_;
  size_t limit_ = 0;
  size_t caret_ = 0;
  int topLine_ = 0;
  int scrollX_ = 0;
  bool draggingThumb_ = false;
  int dragStartY_ = 0;
  int dragStartLine_ = 0;
};

}  // namespace tarvo::ui
