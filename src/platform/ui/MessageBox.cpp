#include "platform/ui/MessageBox.h"

#include <algorithm>
#include <cstdio>

#include "platform/text/Utf8.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {
namespace {

MessageIcon IconOf(unsigned flags) {
  switch (flags & 0xF0) {
    case kMbIconError: return MessageIcon::Error;
    case kMbIconQuestion: return MessageIcon::Question;
    case kMbIconExclamation: return MessageIcon::Exclamation;
    case kMbIconInformation: return MessageIcon::Information;
    default: return MessageIcon::None;
  }
}

const char* AnswerName(int id) {
  switch (id) {
    case kIdOk: return "OK";
    case kIdCancel: return "Cancel";
    case kIdYes: return "Yes";
    case kIdNo: return "No";
    default: return "none";
  }
}

}  // namespace

MessageBoxDialog::MessageBoxDialog(Ui& ui, WStringView text, WStringView caption, unsigned flags)
    : Dialog(ui, caption), text_(text), caption_(caption), flags_(flags), icon_(IconOf(flags)) {}

std::vector<MessageBoxDialog::Choice> MessageBoxDialog::Choices() const {
  switch (flags_ & 0xF) {
    case kMbOkCancel: return {{kIdOk, kOkCaption}, {kIdCancel, kCancelCaption}};
    case kMbYesNo: return {{kIdYes, kYesCaption}, {kIdNo, kNoCaption}};
    default: return {{kIdOk, kOkCaption}};
  }
}

std::vector<WString> MessageBoxDialog::ButtonCaptions() const {
  std::vector<WString> captions;
  for (const Choice& choice : Choices()) captions.emplace_back(choice.caption);
  return captions;
}

int MessageBoxDialog::DefaultAnswer() const {
  switch (flags_ & 0xF) {
    case kMbOkCancel: return kIdCancel;
    case kMbYesNo: return kIdNo;
    default: return kIdOk;
  }
}

bool MessageBoxDialog::OnInitDialog() {
  Ui& ui = OwnerUi();
  const Font& font = ui.NormalFont();
  int unit = ui.TextHeight();
  int pad = unit / 3;
  int width = ui.ScreenWidth() - unit / 2;
  int iconSize = icon_ == MessageIcon::None ? 0 : unit * 2;
  int textWidth = width - 2 * pad - (iconSize > 0 ? iconSize + pad : 0);
  int lines = static_cast<int>(font.WrapLines(text_, std::max(1, textWidth)).size());
  int maxLines = std::max(1, (ui.ScreenHeight() - 6 * unit) / std::max(1, font.Height()));
  lines = std::min(lines, maxLines);
  int titleHeight = font.Height() + unit / 3;
  int buttonHeight = unit * 4 / 3 + 2;
  int textHeight = std::max(iconSize, lines * font.Height());
  int height = titleHeight + unit / 2 + textHeight + unit / 2 + buttonHeight + unit / 2;
  int x = (ui.ScreenWidth() - width) / 2;
  int y = std::max(0, (ui.ScreenHeight() - height) / 2);
  MoveWindow(Rect::FromSize(x, y, width, height));
  int top = titleHeight + unit / 2;
  iconRect_ = iconSize > 0 ? Rect::FromSize(pad, top, iconSize, iconSize) : Rect{};
  int textLeft = pad + (iconSize > 0 ? iconSize + pad : 0);
  textRect_ = Rect{textLeft, top, width - pad, top + textHeight};
  auto choices = Choices();
  int buttonWidth = unit * 4;
  int gap = unit / 2;
  int total = static_cast<int>(choices.size()) * buttonWidth + (static_cast<int>(choices.size()) - 1) * gap;
  int bx = (width - total) / 2;
  int by = height - unit / 2 - buttonHeight;
  for (const Choice& choice : choices) {
    auto button = std::make_unique<Button>();
    button->Create(this, choice.caption, Rect::FromSize(bx, by, buttonWidth, buttonHeight), choice.id);
    buttons_.push_back(std::move(button));
    bx += buttonWidth + gap;
  }
  SetDefaultButton(choices.front().id);  // Enter answers with the first button
  return true;
}

bool MessageBoxDialog::OnCommand(int id, int code) {
  if (code != kClicked) return false;
  for (const Choice& choice : Choices()) {
    if (choice.id == id) {
      EndDialog(id);
      return true;
    }
  }
  return false;
}

void MessageBoxDialog::OnOK() { EndDialog(Choices().front().id); }

void MessageBoxDialog::OnCancel() { EndDialog(DefaultAnswer()); }

void MessageBoxDialog::OnPaint(Canvas& canvas) {
  Rect client = ClientRect();
  const Font& font = OwnerUi().NormalFont();
  int unit = OwnerUi().TextHeight();
  canvas.FillRect(client, theme::kWindow);
  int titleHeight = font.Height() + unit / 3;
  canvas.FillRect(Rect{0, 0, client.right, titleHeight}, theme::kTaskbar);
  canvas.DrawText(font, caption_, Rect{unit / 3, 0, client.right - unit / 3, titleHeight}, theme::kTaskbarText,
                  kAlignLeft | kAlignVCenter);
  canvas.FrameRect(client, theme::kMenuBorder);
  DrawMessageIcon(canvas, icon_, iconRect_, font);
  CanvasStateSaver saved(canvas);
  canvas.ClipTo(textRect_);
  canvas.DrawTextWrapped(font, text_, textRect_, theme::kWindowText);
}

void DrawMessageIcon(Canvas& canvas, MessageIcon icon, const Rect& rect, const Font& font) {
  if (icon == MessageIcon::None || rect.IsEmpty()) return;
  Color color = Rgb(40, 100, 210);
  const char16_t* mark = u"i";
  switch (icon) {
    case MessageIcon::Question: color = Rgb(40, 100, 210); mark = u"?"; break;
    case MessageIcon::Exclamation: color = Rgb(230, 170, 0); mark = u"!"; break;
    case MessageIcon::Error: color = Rgb(210, 40, 40); mark = u"X"; break;
    default: break;
  }
  // A filled disc with the mark in white.
  int cx2 = rect.left * 2 + rect.Width(), cy2 = rect.top * 2 + rect.Height();
  int r = std::min(rect.Width(), rect.Height());
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      int dx = 2 * x + 1 - cx2, dy = 2 * y + 1 - cy2;
      if (dx * dx + dy * dy <= r * r) canvas.FillRect(Rect{x, y, x + 1, y + 1}, color);
    }
  }
  canvas.DrawText(font, mark, rect, Rgb(255, 255, 255), kAlignCenter | kAlignVCenter);
}

int MessageBox(Ui& ui, WStringView text, WStringView caption, unsigned flags) {
  MessageBoxDialog box(ui, text, caption, flags);
  if (ui.AnswersMessageBoxes()) {
    int answer = box.DefaultAnswer();
    std::fprintf(stderr, "MessageBox [%s] %s -> %s\n", ToUtf8(caption).c_str(), ToUtf8(text).c_str(),
                 AnswerName(answer));
    return answer;
  }
  return box.DoModal();
}

int MessageBox(Window* owner, WStringView text, WStringView caption, unsigned flags) {
  if (owner == nullptr || !owner->IsCreated()) return kIdCancel;
  // Only the top window takes input, so the box above the owner is enough.
  return MessageBox(owner->GetUi(), text, caption, flags);
}

}  // namespace tarvo::ui
