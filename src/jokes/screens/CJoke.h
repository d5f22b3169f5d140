#pragma once
// The joke reader "笑口常开": one joke a page under the heading "笑话 %d",
// turned by a tap on either half of the text or the bottom buttons, a jump
// to a typed number, an update of the collection, and the joke handed to the
// messaging program. It keeps no jokes of its own: it shows the store's
// current index and follows the store's changes.
#include <optional>

#include "app/shell/TarvoApp.h"
#include "launcher/controls/CEditEx.h"
#include "launcher/controls/CImageButtonEx.h"
#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace tarvo {

inline constexpr char16_t kJokeReaderTitle[] = u"笑口常开";
inline constexpr char16_t kJokeHeading[] = u"笑话 %d";
inline constexpr char16_t kJokePagingHint[] = u"点屏幕左半部分看上一页，点屏幕右半部分看下一页。";
inline constexpr char16_t kJokeLastPage[] = u"已至最后一页,是否更新笑话？";
inline constexpr char16_t kJokeFirstPage[] = u"已经是第一页！";
inline constexpr char16_t kJokesNotLoaded[] = u"笑话加载失败！";
inline constexpr char16_t kJokePageRange[] = u"请输入1与%d之间的数字";
inline constexpr char16_t kJokeInputError[] = u"输入错误！";
inline constexpr char16_t kJokeReminder[] =
    u"笑话更新失败，请在成功连网时点击“选项”中的“更新笑话”。\n是否不再显示此提醒？";

class CJoke : public ui::Dialog {
 public:
  enum Id { kTextId = 100, kPreviousId, kNextId, kPageId, kJumpId };
  enum Command { kSmsCommand = 200, kEmailCommand, kUpdateCommand, kHelpCommand, kLoginCommand };
  // The pause before a user-started sync begins.
  static constexpr std::chrono::milliseconds kUpdatePause{100};

  explicit CJoke(CTarvoApp& app);
  ~CJoke() override;

  void NextJoke();
  void PreviousJoke();
  void Jump();
  void SendBySms();
  void SendByEmail();
  void UpdateJokes();
  void ShowHelp();
  // The login dialog, over the reader.
  void OpenLogin();

  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(int id, int code) override;
  bool OnKeyDown(int key) override;
  intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  void OnSettingChange(ui::SettingChange change) override;

  const CEditEx& TextArea() const { return text_; }
  ui::Edit& PageBox() { return page_; }

 private:
  void Layout();
  void ShowCurrent();
  void OnStoreEvent(JokeEvent event);
  void OnFirstFile();
  void Share(bool sms);
  void Close();

  CTarvoApp& app_;
  ui::Static heading_;
  CEditEx text_;
  CImageButtonEx previous_;
  CImageButtonEx next_;
  ui::Edit page_;
  ui::Button jump_;
  int listener_ = 0;
  bool waitingForFirstFile_ = false;
  ui::WaitCursorHold wait_;
  bool saved_ = false;
  int shownNumber_ = 0;
  bool landscape_ = false;
};

// The launcher's way into the reader: with a joke index (the ticker's joke)
// the reader opens there; then the reminder when the load is over and
// incomplete, and the reader runs modally.
void OpenJokeReader(CTarvoApp& app, std::optional<int> jokeIndex);

}  // namespace tarvo
