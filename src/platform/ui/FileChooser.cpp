#include "platform/ui/FileChooser.h"

#include <algorithm>

#include "platform/ui/ImageCodec.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {
namespace {

constexpr int kCancelCommand = 2;
const WStringView kPictureFilter = u"*.png;*.jpg;*.jpeg;*.bmp;*.gif";

char16_t Fold(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool Glob(WStringView name, WStringView pattern) {
  // Iterative matching with one backtrack point: linear in practice, never recursive.
  size_t n = 0, p = 0, star = WStringView::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == u'?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      star = p++;
      mark = n;
    } else if (star != WStringView::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

}  // namespace

bool MatchesFilter(WStringView name, WStringView filter) {
  size_t start = 0;
  while (start <= filter.size()) {
    size_t end = filter.find(u';', start);
    if (end == WStringView::npos) end = filter.size();
    WStringView pattern = filter.substr(start, end - start);
    while (!pattern.empty() && pattern.front() == u' ') pattern.remove_prefix(1);
    while (!pattern.empty() && pattern.back() == u' ') pattern.remove_suffix(1);
    if (pattern == u"*.*" || (!pattern.empty() && Glob(name, pattern))) return true;
    if (end == filter.size()) break;
    start = end + 1;
  }
  return false;
}

FileChooserDialog::FileChooserDialog(Ui& ui, FileAccess& files, FileChooserOptions options)
    : Dialog(ui, options.title), files_(files), options_(std::move(options)) {}

FileChooserDialog::~FileChooserDialog() = default;

bool FileChooserDialog::OnInitDialog() {
  MenuBar bar;
  bar.Add(kCancelCaption, kCancelCommand);
  SetMenuBar(bar);
  int line = OwnerUi().TextHeight() + 4;
  Rect client = ClientRect();
  folderLabel_.Create(this, u"", Rect{0, 0, client.right, line}, kFolderId);
  folderLabel_.SetBackground(theme::kHeader);
  list_.Create(this, Rect{0, line, client.right, client.bottom}, kListId);
  list_.SetShowHeader(false);
  list_.InsertColumn(0, u"", client.Width() - OwnerUi().ScrollBarWidth());
  if (options_.thumbnails) {
    int size = OwnerUi().TextHeight() * 2;
    thumbnails_ = std::make_unique<ImageList>(size, size);
    list_.SetImageList(thumbnails_.get());
  }
  if (!OpenFolder(options_.startFolder)) OpenFolder(u"\\");
  return true;
}

void FileChooserDialog::OnSize() {
  if (!list_.IsCreated()) return;
  int line = OwnerUi().TextHeight() + 4;
  Rect client = ClientRect();
  folderLabel_.MoveWindow(Rect{0, 0, client.right, line});
  list_.MoveWindow(Rect{0, line, client.right, client.bottom});
}

WString FileChooserDialog::Join(WStringView name) const {
  WString path = folder_;
  if (path.empty() || path.back() != files_.Separator()) path += files_.Separator();
  path += name;
  return path;
}

WString FileChooserDialog::Parent() const {
  WString path = folder_;
  while (path.size() > 1 && path.back() == files_.Separator()) path.pop_back();
  size_t cut = path.rfind(files_.Separator());
  if (cut == WString::npos || cut == 0) return WString(1, files_.Separator());
  return path.substr(0, cut);
}

bool FileChooserDialog::OpenFolder(WStringView folder) {
  auto listing = files_.ListFolder(folder);
  if (!listing) return false;
  folder_ = WString(folder);
  entries_.clear();
  std::vector<FolderEntry> sorted = *listing;
  std::sort(sorted.begin(), sorted.end(), [](const FolderEntry& a, const FolderEntry& b) {
    if (a.isFolder != b.isFolder) return a.isFolder;
    return a.name < b.name;
  });
  bool atRoot = folder_.size() <= 1;
  if (!atRoot) entries_.push_back(Entry{kUpName, true});
  for (const FolderEntry& entry : sorted) {
    if (entry.isFolder || MatchesFilter(entry.name, options_.filter)) entries_.push_back(Entry{entry.name, entry.isFolder});
  }
  list_.DeleteAllItems();
  if (thumbnails_) thumbnails_->Clear();
  for (size_t i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    WString shown = entry.isFolder && entry.name != kUpName ? u"[" + entry.name + u"]" : entry.name;
    int image = -1;
    if (thumbnails_ && !entry.isFolder && MatchesFilter(entry.name, kPictureFilter)) {
      if (auto picture = LoadImageFile(files_, Join(entry.name))) image = thumbnails_->Add(*picture);
    }
    list_.InsertItem(static_cast<int>(i), shown, image);
  }
  folderLabel_.SetText(folder_);
  return true;
}

bool FileChooserDialog::OnCommand(int id, int code) {
  if (id == kCancelCommand && code == kMenuCommand) {
    EndDialog(kIdCancel);
    return true;
  }
  if (id == kListId && code == kItemActivated) {
    int row = list_.GetSelected();
    if (row < 0 || row >= static_cast<int>(entries_.size())) return true;
    Entry entry = entries_[static_cast<size_t>(row)];
    if (entry.name == kUpName) {
      OpenFolder(Parent());
    } else if (entry.isFolder) {
      OpenFolder(Join(entry.name));
    } else {
      chosen_ = Join(entry.name);
      EndDialog(kIdOk);
    }
    return true;
  }
  return Dialog::OnCommand(id, code);
}

std::optional<WString> ChooseFile(Ui& ui, FileAccess& files, const FileChooserOptions& options) {
  FileChooserDialog dialog(ui, files, options);
  if (dialog.DoModal() != kIdOk) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace tarvo::ui
