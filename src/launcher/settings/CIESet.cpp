#include "launcher/settings/CIESet.h"

#include "platform/ui/FileChooser.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"

namespace tarvo {
namespace {

constexpr size_t kPathCapacity = 260;
constexpr int kGap = 5;

}  // namespace

CIESet::CIESet(CTarvoApp& app) : ui::Dialog(app.GetUi(), kCaption), app_(app) {}

CIESet::~CIESet() = default;

bool CIESet::OnInitDialog() {
  SetOkButton(true);
  label_.Create(this, u"您使用的浏览器路径：", ui::Rect{}, kLabelId);
  path_.Create(this, ui::Rect{}, kPathId);
  path_.SetLimitText(kPathCapacity - 1);
  path_.SetWindowText(app_.Config().ReadString(u"BrowserPath", u"path", u"", kPathCapacity, app_.ConfigPath));
  buttons_ = CreateSkinButtons(this, {u"查找", u"测试", u"保存"}, kFindId, app_.Imaging(), app_.ProgramDir, 182, 181);
  note_.Create(this, kNote, ui::Rect{}, kNoteId, true);
  PlaceControls();
  return true;
}

void CIESet::PlaceControls() {
  if (!path_.IsCreated()) return;
  const ScreenMetrics& metrics = app_.Metrics;
  const int width = ClientRect().right;
  const int line = metrics.TextHeight * 3 / 2;
  int y = kGap;
  label_.MoveWindow(ui::Rect{kGap, y, width - kGap, y + line});
  y += line;
  path_.MoveWindow(ui::Rect{kGap, y, width - kGap, y + line});
  y += line + kGap;
  const int buttonWidth = 3 * metrics.CharWidth;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const int left = kGap + static_cast<int>(i) * (buttonWidth + kGap);
    buttons_[i]->MoveWindow(ui::Rect{left, y, left + buttonWidth, y + metrics.ButtonHeight});
  }
  y += metrics.ButtonHeight + kGap;
  note_.MoveWindow(ui::Rect{kGap, y, width - kGap, ClientRect().bottom});
}

void CIESet::OnSize() { PlaceControls(); }

bool CIESet::OnCommand(int id, int code) {
  if (code == ui::kClicked) {
    switch (id) {
      case kFindId: Find(); return true;
      case kTestId: Test(); return true;
      case kSaveId: Save(); return true;
      default: break;
    }
  }
  return ui::Dialog::OnCommand(id, code);
}

void CIESet::Say(WStringView text) { ui::MessageBox(this, text, u"Tarvo", ui::kMbOk); }

void CIESet::Find() {
  ui::FileChooserOptions options;
  options.title = u"选择浏览器路径";
  options.filter = u"*.exe";
  options.startFolder = u"\\";
  auto path = ui::ChooseFile(GetUi(), app_.GetDevice().Files(), options);
  if (path && path->size() < kPathCapacity) path_.SetWindowText(*path);
}

void CIESet::Test() {
  const WString path = path_.Text();
  if (path.empty()) {
    Say(u"路径为空！");
    return;
  }
  app_.GetDevice().GetShell().ShellOpen(path, u"");
}

void CIESet::Save() {
  const WString path = path_.Text();
  FileAccess& files = app_.GetDevice().Files();
  if (path.empty()) {
    app_.Config().WriteString(u"BrowserPath", u"path", u"", app_.ConfigPath);
    Say(u"浏览器成功设置为IE！");
  } else if (files.FolderExists(path)) {
    Say(u"路径错误，不能为文件夹！需指定浏览器exe的路径。");
  } else if (!files.FileExists(path)) {
    Say(u"路径不存在！");
  } else {
    app_.Config().WriteString(u"BrowserPath", u"path", path, app_.ConfigPath);
    Say(u"保存成功！");
  }
}

}  // namespace tarvo
