#include "launcher/controls/CEntryDialog.h"

#include "platform/ui/MessageBox.h"

namespace tarvo {
namespace {

constexpr int kMargin = 5;

}  // namespace

CEntryDialog::CEntryDialog(ui::Ui& ui, Look look, WString nameLabel, WString urlLabel, WString name, WString url)
    : ui::Dialog(ui, u"Tarvo"),
      look_(std::move(look)),
      nameLabelText_(std::move(nameLabel)),
      urlLabelText_(std::move(urlLabel)),
      initialName_(std::move(name)),
      initialUrl_(std::move(url)) {}

CEntryDialog::~CEntryDialog() = default;

WString CEntryDialog::Name() const { return nameEdit_.Text(); }
WString CEntryDialog::Url() const { return urlEdit_.Text(); }

bool CEntryDialog::OnInitDialog() {
  nameLabel_.Create(this, nameLabelText_, ui::Rect{}, kNameLabelId);
  nameEdit_.Create(this, ui::Rect{}, kNameEditId);
  urlLabel_.Create(this, urlLabelText_, ui::Rect{}, kUrlLabelId);
  urlEdit_.Create(this, ui::Rect{}, kUrlEditId);
  nameEdit_.SetWindowText(initialName_);
  urlEdit_.SetWindowText(initialUrl_);
  buttons_ = CreateSkinButtons(this, {u"保存", u"取消"}, std::vector<int>{kSaveId, kCancelId}, look_.imaging,
                               look_.programDir, kNormalBitmap, kPressedBitmap);
  PlaceControls();
  nameEdit_.SetFocus();  // ready for typing, the input panel up
  return true;
}

// Label, edit, label, edit from the top, then the two buttons side by side.
void CEntryDialog::PlaceControls() {
  if (!nameEdit_.IsCreated()) return;
  const ui::Rect client = ClientRect();
  const int line = look_.metrics.TextHeight + 6;
  const int right = client.right - kMargin;
  int top = kMargin;
  for (ui::Window* pair : {static_cast<ui::Window*>(&nameLabel_), static_cast<ui::Window*>(&nameEdit_),
                           static_cast<ui::Window*>(&urlLabel_), static_cast<ui::Window*>(&urlEdit_)}) {
    pair->MoveWindow(ui::Rect{kMargin, top, right, top + line});
    top += line + kMargin;
  }
  const int width = 3 * look_.metrics.CharWidth;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const int left = kMargin + static_cast<int>(i) * (width + kMargin);
    buttons_[i]->MoveWindow(ui::Rect{left, top, left + width, top + look_.metrics.ButtonHeight});
  }
}

void CEntryDialog::OnSize() { PlaceControls(); }

bool CEntryDialog::OnCommand(int id, int code) {
  if (code == ui::kClicked && id == kSaveId) {
    Save();
    return true;
  }
  if (code == ui::kClicked && id == kCancelId) {
    EndDialog(ui::kIdCancel);
    return true;
  }
  return ui::Dialog::OnCommand(id, code);
}

void CEntryDialog::Inform(WStringView text) {
  ui::MessageBox(this, text, u"提示", ui::kMbOk | ui::kMbIconInformation);
}

void CEntryDialog::Save() {
  const WString name = Name();
  const WString url = Url();
  const WString problem = Check(name, url);
  if (!problem.empty()) {
    Inform(problem);
    return;
  }
  if (!Apply(name, url)) {
    Inform(kSaveFailedText);
    return;
  }
  Inform(kSavedText);
  if (IsCreated()) EndDialog(ui::kIdOk);
}

}  // namespace tarvo
