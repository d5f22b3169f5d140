#include "platform/ui/Edit.h"

#include <algorithm>

#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {
namespace {

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

}  // namespace

bool Edit::Create(Window* parent, const Rect& rect, int id, EditStyle style) {
  style_ = style;
  return CreateChild(parent, rect, id);
}

void Edit::SetWindowText(WStringView text) {
  SetText(text);
  caret_ = 0;
  topLine_ = 0;
  scrollX_ = 0;
  EnsureCaretVisible();
}

WString Edit::Shown() const {
  if (!style_.password) return Text();
  return WString(Text().size(), kMaskChar);
}

std::vector<Font::Span> Edit::Layout() const {
  WString shown = Shown();
  if (!style_.multiLine) return {Font::Span{0, shown.size()}};
  return GetFont().WrapSpans(shown, std::max(1, TextRect().Width()));
}

int Edit::LineCount() const { return static_cast<int>(Layout().size()); }

int Edit::VisibleLineCount() const {
  int h = GetFont().Height();
  return h > 0 ? std::max(1, TextRect().Height() / h) : 1;
}

bool Edit::HasScrollBar() const {
  if (!style_.multiLine || !IsCreated()) return false;
  int h = GetFont().Height();
  int inner = ClientRect().Height() - (style_.border ? 4 : 0);
  if (h <= 0) return false;
  // Measure with the full width first; a bar is needed when that overflows.
  int width = ClientRect().Width() - (style_.border ? 4 : 0);
  int lines = static_cast<int>(GetFont().WrapSpans(Shown(), std::max(1, width)).size());
  return lines > inner / h;
}

Rect Edit::TextRect() const {
  Rect r = ClientRect();
  if (style_.border) r = r.Inflate(-2, -2);
  if (HasScrollBar()) r.right -= GetUi().ScrollBarWidth();
  return r;
}

std::vector<WString> Edit::DisplayLines() const {
  WString shown = Shown();
  std::vector<WString> lines;
  for (const Font::Span& span : Layout()) lines.emplace_back(shown.substr(span.start, span.length));
  return lines;
}

void Edit::SetCaret(size_t position) {
  position = std::min(position, Text().size());
  if (position > 0 && position < Text().size() && IsLowSurrogate(Text()[position])) --position;
  caret_ = position;
  EnsureCaretVisible();
  Invalidate();
}

void Edit::LineScroll(int lines) {
  int maxTop = std::max(0, LineCount() - VisibleLineCount());
  int top = std::clamp(topLine_ + lines, 0, maxTop);
  if (top != topLine_) {
    topLine_ = top;
    Invalidate();
  }
}

void Edit::EnsureCaretVisible() {
  if (!IsCreated()) return;
  auto spans = Layout();
  if (style_.multiLine) {
    int line = 0;
    for (size_t i = 0; i < spans.size(); ++i) {
      if (spans[i].start <= caret_) line = static_cast<int>(i);
    }
    int visible = VisibleLineCount();
    if (line < topLine_) topLine_ = line;
    if (line >= topLine_ + visible) topLine_ = line - visible + 1;
    topLine_ = std::clamp(topLine_, 0, std::max(0, static_cast<int>(spans.size()) - visible));
    return;
  }
  int caretX = GetFont().TextWidth(WStringView(Shown()).substr(0, caret_));
  int width = TextRect().Width();
  if (caretX - scrollX_ > width - 1) scrollX_ = caretX - width + 1;
  if (caretX < scrollX_) scrollX_ = caretX;
  scrollX_ = std::max(0, scrollX_);
}

void Edit::Changed() {
  EnsureCaretVisible();
  Invalidate();
  NotifyParent(kTextChanged);
}

// Also for text set through the plain window setter: the caret never points
// past the end.
void Edit::OnTextSet() { caret_ = std::min(caret_, Text().size()); }

bool Edit::ReplaceSel(WStringView text) {
  WString insert;
  for (char16_t c : text) {
    if (c == u'\r') continue;
    if (c == u'\n' && !style_.multiLine) continue;
    if (c == u'\n') {
      insert += u"\r\n";
      continue;
    }
    if (c < 0x20 && c != u'\t') continue;
    insert += c;
  }
  if (limit_ > 0) {
    size_t room = Text().size() >= limit_ ? 0 : limit_ - Text().size();
    if (insert.size() > room) {
      insert.resize(room);
      // Never split a surrogate pair or a line end at the cut.
      if (!insert.empty() && insert.back() >= 0xD800 && insert.back() < 0xDC00) insert.pop_back();
      if (!insert.empty() && insert.back() == u'\r') insert.pop_back();
    }
  }
  if (insert.empty()) return false;
  WString text2 = Text();
  text2.insert(caret_, insert);
  SetText(text2);
  caret_ += insert.size();
  Changed();
  return true;
}

bool Edit::Paste() {
  if (style_.readOnly) return false;
  return ReplaceSel(GetUi().ClipboardText());
}

void Edit::EraseAt(size_t position) {
  const WString& text = Text();
  if (position >= text.size()) return;
  size_t count = 1;
  if (text[position] == u'\r' && position + 1 < text.size() && text[position + 1] == u'\n') count = 2;
  else if (text[position] >= 0xD800 && text[position] < 0xDC00 && position + 1 < text.size() &&
           IsLowSurrogate(text[position + 1]))
    count = 2;
  WString changed = text;
  changed.erase(position, count);
  SetText(changed);
  caret_ = position;
  Changed();
}

bool Edit::OnChar(WStringView text) {
  if (style_.readOnly) return true;
  ReplaceSel(text);
  return true;
}

bool Edit::OnKeyDown(int key) {
  const WString& text = Text();
  switch (key) {
    case keys::kBack:
      if (style_.readOnly || caret_ == 0) return true;
      {
        size_t at = caret_ - 1;
        if (at > 0 && ((text[at] == u'\n' && text[at - 1] == u'\r') || IsLowSurrogate(text[at]))) --at;
        EraseAt(at);
      }
      return true;
    case keys::kDelete:
      if (!style_.readOnly) EraseAt(caret_);
      return true;
    case keys::kLeft:
      if (caret_ > 0) {
        size_t at = caret_ - 1;
        if (at > 0 && ((text[at] == u'\n' && text[at - 1] == u'\r') || IsLowSurrogate(text[at]))) --at;
        SetCaret(at);
      }
      return true;
    case keys::kRight:
      if (caret_ < text.size()) {
        size_t at = caret_ + 1;
        if (at < text.size() && (text[caret_] == u'\r' || IsLowSurrogate(text[at]))) ++at;
        SetCaret(at);
      }
      return true;
    case keys::kHome:
      SetCaret(0);
      return true;
    case keys::kUp:
    case keys::kDown:
      if (!style_.multiLine) return false;
      LineScroll(key == keys::kUp ? -1 : 1);
      return true;
    case keys::kPaste:
      Paste();
      return true;
    case keys::kReturn:
      if (style_.multiLine && !style_.readOnly) {
        ReplaceSel(u"\n");
        return true;
      }
      return false;
    default:
      return false;
  }
}

size_t Edit::PositionAt(Point point) const {
  auto spans = Layout();
  Rect tr = TextRect();
  size_t line = 0;
  if (style_.multiLine) {
    int h = std::max(1, GetFont().Height());
    int index = topLine_ + std::max(0, point.y - tr.top) / h;
    line = static_cast<size_t>(std::clamp(index, 0, static_cast<int>(spans.size()) - 1));
  }
  const Font::Span& span = spans[line];
  WString shown = Shown();
  WStringView lineText = WStringView(shown).substr(span.start, span.length);
  int x = point.x - tr.left + (style_.multiLine ? 0 : scrollX_);
  // The caret goes before the character whose middle lies right of the tap.
  int used = 0;
  size_t i = 0;
  while (i < lineText.size()) {
    size_t next = i;
    int w = GetFont().CharWidth(NextCodePoint(lineText, next));
    if (used + w / 2 >= x) break;
    used += w;
    i = next;
  }
  return span.start + i;
}

void Edit::OnPenDown(Point point) {
  if (HasScrollBar() && point.x >= TextRect().right) {
    Rect tr = TextRect();
    int lines = LineCount(), visible = VisibleLineCount();
    int thumbTop = tr.top + tr.Height() * topLine_ / std::max(1, lines);
    int thumbBottom = tr.top + tr.Height() * (topLine_ + visible) / std::max(1, lines);
    if (point.y < thumbTop) LineScroll(-visible);
    else if (point.y >= thumbBottom) LineScroll(visible);
    else {
      draggingThumb_ = true;
      dragStartY_ = point.y;
      dragStartLine_ = topLine_;
    }
    return;
  }
  SetCaret(PositionAt(point));
}

void Edit::OnPenMove(Point point) {
  if (!draggingThumb_) return;
  int lines = LineCount();
  int delta = (point.y - dragStartY_) * lines / std::max(1, TextRect().Height());
  LineScroll(dragStartLine_ + delta - topLine_);
}

void Edit::OnPenUp(Point) { draggingThumb_ = false; }

void Edit::OnPaint(Canvas& canvas) {
  Rect r = ClientRect();
  bool enabled = IsEffectivelyEnabled();
  canvas.FillRect(r, enabled && !style_.readOnly ? theme::kWindow : Rgb(245, 245, 245));
  if (style_.border) canvas.FrameRect(r, theme::kEditBorder);
  Rect tr = TextRect();
  const Font& font = GetFont();
  Color color = enabled ? theme::kWindowText : theme::kGrayText;
  WString shown = Shown();
  auto spans = Layout();
  {
    CanvasStateSaver saved(canvas);
    canvas.ClipTo(tr);
    int h = font.Height();
    int caretLine = 0;
    for (size_t i = 0; i < spans.size(); ++i) {
      if (spans[i].start <= caret_) caretLine = static_cast<int>(i);
    }
    if (style_.multiLine) {
      for (int i = topLine_; i < static_cast<int>(spans.size()); ++i) {
        int y = tr.top + (i - topLine_) * h;
        if (y >= tr.bottom) break;
        canvas.DrawText(font, WStringView(shown).substr(spans[i].start, spans[i].length),
                        Rect{tr.left, y, tr.right, y + h}, color, kAlignLeft | kAlignTop);
      }
    } else {
      canvas.DrawText(font, shown, Rect{tr.left - scrollX_, tr.top, tr.right, tr.bottom}, color,
                      kAlignLeft | kAlignVCenter);
    }
    if (HasFocus() && enabled) {
      const Font::Span& span = spans[static_cast<size_t>(caretLine)];
      size_t column = std::min(caret_, span.start + span.length) - span.start;
      int x = tr.left + font.TextWidth(WStringView(shown).substr(span.start, column)) -
              (style_.multiLine ? 0 : scrollX_);
      int y = style_.multiLine ? tr.top + (caretLine - topLine_) * h : tr.top + (tr.Height() - h) / 2;
      canvas.FillRect(Rect{x, y, x + 1, y + h}, theme::kWindowText);
    }
  }
  if (HasScrollBar()) {
    Rect bar{tr.right, tr.top, tr.right + GetUi().ScrollBarWidth(), tr.bottom};
    canvas.FillRect(bar, theme::kScrollTrack);
    int lines = std::max(1, LineCount());
    int top = bar.top + bar.Height() * topLine_ / lines;
    int bottom = bar.top + bar.Height() * std::min(lines, topLine_ + VisibleLineCount()) / lines;
    canvas.FillRect(Rect{bar.left + 1, top, bar.right - 1, std::max(top + 4, bottom)}, theme::kScrollThumb);
  }
}

}  // namespace tarvo::ui
