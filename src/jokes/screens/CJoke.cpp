#include "jokes/screens/CJoke.h"

#include "app/shell/JokeWork.h"
#include "jokes/JokeShare.h"
#include "jokes/PageNumber.h"
#include "launcher/controls/BoxPrompts.h"
#include "jokes/screens/CLogin.h"
#include "jokes/screens/JokeOptions.h"
#include "launcher/controls/PageButtons.h"
#include "net/Connection.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"

namespace tarvo {
namespace {

constexpr char16_t kJokeSection[] = u"Joke";
constexpr char16_t kAutoPromptKey[] = u"AutoPrompt";
constexpr char16_t kUpdatePromptKey[] = u"update_prompt";
constexpr char16_t kOptionsMenu[] = u"选项";
constexpr int kHeadingTop = 10;
constexpr int kGap = 5;

}  // namespace

CJoke::CJoke(CTarvoApp& app) : ui::Dialog(app.GetUi(), kJokeReaderTitle), app_(app) {}

CJoke::~CJoke() {
  app_.Jokes.RemoveListener(listener_);
  // The program's end closes the reader too: the place read is kept then as well.
  Close();
}

void CJoke::Close() {
  if (saved_) return;
  saved_ = true;
  SaveLastPage(app_);
  app_.Jokes.SetReaderOpen(false);
}

bool CJoke::OnInitDialog() {
  ui::Ui& ui = GetUi();
  ScreenMetrics& metrics = app_.Metrics;
  ui::MenuBar bar;
  ui::Menu options;
  for (const JokeOption& option : JokeOptions()) options.Add(option.caption, option.command);
  bar.AddPopup(kOptionsMenu, options);
  SetMenuBar(bar);
  SetOkButton(true);

  heading_.Create(this, u"", ui::Rect{}, 0);
  heading_.SetBackground(std::nullopt);
  ui::EditStyle textStyle;
  textStyle.multiLine = true;
  textStyle.readOnly = true;
  text_.Create(this, ui::Rect{}, kTextId, textStyle);
  previous_.Create(this, ui::Rect{}, kPreviousId);
  next_.Create(this, ui::Rect{}, kNextId);
  next_.SetText(u"下一页");
  page_.Create(this, ui::Rect{}, kPageId);
  jump_.Create(this, u"跳页", ui::Rect{}, kJumpId);
  const int style = EnsurePageButtonStyle(metrics, app_.Config(), app_.ConfigPath);
  SetPageButtonImages(previous_, next_, style, metrics.ResolutionClass, app_.ProgramDir, app_.ImagingFactory,
                      app_.GetDevice().Files());
  landscape_ = ui.ScreenWidth() > ui.ScreenHeight();
  Layout();

  app_.Jokes.SetReaderOpen(true);
  shownNumber_ = app_.Jokes.LastRead();
  listener_ = app_.Jokes.AddListener([&ui, handle = Handle()](JokeEvent event) {
    if (auto* reader = dynamic_cast<CJoke*>(ui.FromHandle(handle))) reader->OnStoreEvent(event);
  });
  ShowCurrent();
  waitingForFirstFile_ = true;
  wait_ = ui::WaitCursorHold(ui);
  // Once the dialog shows: a store that has its first file already goes on
  // at once, else the store's event does.
  ui.PostTask([&ui, handle = Handle()] {
    auto* reader = dynamic_cast<CJoke*>(ui.FromHandle(handle));
    if (reader != nullptr && reader->app_.Jokes.Facts().firstFileDone) reader->OnFirstFile();
  });
  return true;
}

void CJoke::Layout() {
  const ScreenMetrics& metrics = app_.Metrics;
  const ui::Rect client = ClientRect();
  const int width = client.Width();
  int bottom = client.bottom;
  ui::PhoneFrame& frame = GetUi().Frame();
  if (frame.InputPanelShown()) bottom -= frame.InputPanelHeight();
  const int rowTop = bottom - metrics.ButtonHeight;
  heading_.MoveWindow(
      ui::Rect{metrics.ScreenWidth / 3, kHeadingTop, width, kHeadingTop + metrics.TextHeight});
  const int textTop = kHeadingTop + metrics.TextHeight + kGap;
  text_.MoveWindow(ui::Rect{0, textTop, width, std::max(textTop + 1, rowTop - kGap)});
  previous_.MoveWindow(ui::Rect{0, rowTop, metrics.ButtonWidth, bottom});
  const int nextLeft = metrics.ButtonWidth + kGap;
  next_.MoveWindow(ui::Rect{nextLeft, rowTop, nextLeft + metrics.ButtonWidth, bottom});
  jump_.MoveWindow(ui::Rect{width - metrics.ButtonWidth, rowTop, width, bottom});
  const int pageLeft = nextLeft + metrics.ButtonWidth + kGap;
  page_.MoveWindow(ui::Rect{pageLeft, rowTop, std::max(pageLeft + 1, width - metrics.ButtonWidth - kGap), bottom});
  Invalidate();
}

void CJoke::ShowCurrent() {
  const JokePage page = app_.Jokes.CurrentPage();
  shownNumber_ = page.lastRead;
  heading_.SetText(Format(kJokeHeading, shownNumber_));
  const WString text = page.joke.value_or(WString());
  if (text != text_.Text()) text_.SetWindowText(text);
  Invalidate();
}

void CJoke::OnStoreEvent(JokeEvent event) {
  if (event == JokeEvent::FirstFile) {
    OnFirstFile();
    return;
  }
  // Files put in front move the index: the joke shown stays, its number changes.
  ShowCurrent();
}

void CJoke::OnFirstFile() {
  if (!waitingForFirstFile_) return;
  waitingForFirstFile_ = false;
  wait_.Release();
  app_.Jokes.FixIndex();
  ShowCurrent();
  IniFile config = app_.Config();
  if (config.ReadInt(kJokeSection, kAutoPromptKey, 0, app_.ConfigPath) == 0) {
    config.WriteInt(kJokeSection, kAutoPromptKey, 1, app_.ConfigPath);
    ui::MessageBox(GetUi(), kJokePagingHint, u"Tarvo", ui::kMbOk);
  }
}

void CJoke::NextJoke() {
  switch (app_.Jokes.TurnPage(1)) {
    case PageTurn::Turned: ShowCurrent(); break;
    case PageTurn::AtLastPage:
      if (ui::MessageBox(this, kJokeLastPage, u"Tarvo", ui::kMbYesNo | ui::kMbIconQuestion) == ui::kIdYes)
        UpdateJokes();
      break;
    default: break;
  }
}

void CJoke::PreviousJoke() {
  switch (app_.Jokes.TurnPage(-1)) {
    case PageTurn::Turned: ShowCurrent(); break;
    case PageTurn::AtFirstPage: ui::MessageBox(this, kJokeFirstPage, u"Tarvo", ui::kMbOk); break;
    default: break;
  }
}

void CJoke::Jump() {
  const int count = app_.Jokes.Count();
  if (count == 0) {
    ui::MessageBox(this, kJokesNotLoaded, u"Tarvo", ui::kMbOk);
    return;
  }
  auto number = ReadPageNumber(page_.Text(), count);
  if (!number) {
    ui::MessageBox(this, Format(kJokePageRange, count), kJokeInputError, ui::kMbOk | ui::kMbIconExclamation);
    return;
  }
  app_.Jokes.SetIndex(*number - 1);
  ShowCurrent();
}

void CJoke::Share(bool sms) {
  const JokeFacts facts = app_.Jokes.Facts();
  const WString line =
      BuildShareCommandLine(sms ? JokeShareService::Sms : JokeShareService::Email, app_.Jokes.JokeAt(facts.index));
  app_.GetDevice().GetShell().StartProcess(kMessagingProgram, line, false);
}

void CJoke::SendBySms() { Share(true); }
void CJoke::SendByEmail() { Share(false); }

void CJoke::UpdateJokes() {
  app_.JokeUpdateInProgress = true;
  BoxPrompts prompts(GetUi());
  if (EnsureConnected(app_.GetDevice().Connections(), prompts) && !app_.Jobs.IsRunning(kJokeSyncJob))
    app_.Jobs.Start(kJokeSyncJob, JokeSyncBody(app_, true, kUpdatePause));
  app_.JokeUpdateInProgress = false;
}

void CJoke::ShowHelp() { ui::MessageBox(this, kJokePagingHint, u"Tarvo", ui::kMbOk); }

void CJoke::OpenLogin() { tarvo::OpenLogin(app_); }

void CJoke::OnOK() {
  Close();
  EndDialog(ui::kIdOk);
}

void CJoke::OnCancel() { OnOK(); }

bool CJoke::OnCommand(int id, int code) {
  if (code == ui::kMenuCommand) {
    for (const JokeOption& option : JokeOptions()) {
      if (option.command == id) {
        (this->*option.action)();
        return true;
      }
    }
  }
  if (code == ui::kClicked) {
    switch (id) {
      case kPreviousId: PreviousJoke(); return true;
      case kNextId: NextJoke(); return true;
      case kJumpId: Jump(); return true;
      default: break;
    }
  }
  return ui::Dialog::OnCommand(id, code);
}

bool CJoke::OnKeyDown(int key) {
  if (key == ui::keys::kReturn) {
    if (page_.HasFocus()) Jump();
    return true;  // Enter never closes the reader
  }
  return ui::Dialog::OnKeyDown(key);
}

intptr_t CJoke::OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (message == CEditEx::kNextPageMessage) {
    NextJoke();
    return 0;
  }
  if (message == CEditEx::kPreviousPageMessage) {
    PreviousJoke();
    return 0;
  }
  return ui::Dialog::OnMessage(message, wParam, lParam);
}

void CJoke::OnSettingChange(ui::SettingChange change) {
  ui::Dialog::OnSettingChange(change);
  ui::Ui& ui = GetUi();
  const bool landscape = ui.ScreenWidth() > ui.ScreenHeight();
  if (landscape != landscape_) {
    landscape_ = landscape;
    app_.Metrics.ScreenWidth = ui.ScreenWidth();
    app_.Metrics.ScreenHeight = ui.ScreenHeight();
  }
  Layout();
}

void OpenJokeReader(CTarvoApp& app, std::optional<int> jokeIndex) {
  ui::Ui& ui = app.GetUi();
  {
    ui::WaitCursorHold wait(ui);
    if (jokeIndex && *jokeIndex >= 0) {
      app.Jokes.SetLastRead(*jokeIndex + 1);
      app.Jokes.SetIndex(*jokeIndex);
    }
    const JokeFacts facts = app.Jokes.Facts();
    if (facts.loaded) {
      app.Jokes.SetIndex(facts.lastRead - 1);
      IniFile config = app.Config();
      if (!facts.complete && config.ReadInt(kJokeSection, kUpdatePromptKey, 0, app.ConfigPath) == 0 &&
          ui::MessageBox(ui, kJokeReminder, u"Tarvo", ui::kMbYesNo | ui::kMbIconQuestion) == ui::kIdYes) {
        config.WriteInt(kJokeSection, kUpdatePromptKey, 1, app.ConfigPath);
      }
    }
  }
  CJoke reader(app);
  reader.DoModal();
  if (app.Jokes.Facts().loaded) app.Jokes.SetLastRead(app.Jokes.Index() + 1);
}

}  // namespace tarvo
