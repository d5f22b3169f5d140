#pragma once
// Message boxes: text, caption, an icon and OK, OK/Cancel or Yes/No buttons.
// Runs no one drives (UiOptions::answerMessageBoxes) print the box to
// stderr and answer OK boxes with OK and questions with No or Cancel, so an
// unattended run never agrees to anything.
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"

namespace tarvo::ui {

// Flags as the phone's MessageBox takes them.
enum MessageBoxFlags : unsigned {
  kMbOk = 0x0,
  kMbOkCancel = 0x1,
  kMbYesNo = 0x4,
  kMbIconError = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconExclamation = 0x30,
  kMbIconInformation = 0x40,
  kMbTopmost = 0x40000,
};

enum class MessageIcon { None, Information, Question, Exclamation, Error };

// The captions of the buttons.
inline constexpr char16_t kOkCaption[] = u"确定";
inline constexpr char16_t kCancelCaption[] = u"取消";
inline constexpr char16_t kYesCaption[] = u"是";
inline constexpr char16_t kNoCaption[] = u"否";

class MessageBoxDialog : public Dialog {
 public:
  MessageBoxDialog(Ui& ui, WStringView text, WStringView caption, unsigned flags);

  const WString& Caption() const { return caption_; }
  const WString& Message() const { return text_; }
  MessageIcon Icon() const { return icon_; }
  bool IsTopmost() const { return (flags_ & kMbTopmost) != 0; }
  std::vector<WString> ButtonCaptions() const;
  // The answer an unattended run gives.
  int DefaultAnswer() const;

  bool ShowsMenuBar() const override { return false; }
  bool UsesOwnerFrame() const override { return true; }
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnPaint(Canvas& canvas) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  struct Choice {
    int id;
    const char16_t* caption;
  };
  std::vector<Choice> Choices() const;

  WString text_;
  WString caption_;
  unsigned flags_;
  MessageIcon icon_;
  std::vector<std::unique_ptr<Button>> buttons_;
  Rect textRect_;
  Rect iconRect_;
};

// Shows the box over the screen and returns kIdOk, kIdCancel, kIdYes or kIdNo.
int MessageBox(Ui& ui, WStringView text, WStringView caption, unsigned flags = kMbOk);
// The same over an owner window: the owner gets no input until the box closes.
int MessageBox(Window* owner, WStringView text, WStringView caption, unsigned flags = kMbOk);

// Draws a message-box icon into rect (also used by the gallery).
void DrawMessageIcon(Canvas& canvas, MessageIcon icon, const Rect& rect, const Font& font);

}  // namespace tarvo::ui
