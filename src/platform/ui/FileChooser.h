#pragma once
// The file chooser over the phone's file system: a title, a filter of
// patterns ("*.jpg;*.png", "*.*"), a start folder, and a thumbnail view for
// pictures. Folders open with a tap ("..", the row on top, goes up); a tap
// on a file chooses it.
#include <memory>
#include <optional>
#include <vector>

#include "platform/device/FileAccess.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Static.h"

namespace tarvo::ui {

struct FileChooserOptions {
  WString title = u"打开";
  WString filter = u"*.*";
  WString startFolder = u"\\";
  bool thumbnails = false;
};

// True when name matches one of the ';'-separated patterns ("*", "*.ext",
// "name.*", "?"), compared without regard to ASCII case.
bool MatchesFilter(WStringView name, WStringView filter);

class FileChooserDialog : public Dialog {
 public:
  static constexpr int kListId = 200;
  static constexpr int kFolderId = 201;
  static constexpr char16_t kUpName[] = u"..";
  static constexpr char16_t kCancelCaption[] = u"取消";

  FileChooserDialog(Ui& ui, FileAccess& files, FileChooserOptions options);
  ~FileChooserDialog() override;

  const WString& Folder() const { return folder_; }
  const std::optional<WString>& Chosen() const { return chosen_; }
  // Shows the entries of folder; false when it cannot be listed.
  bool OpenFolder(WStringView folder);

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;

 private:
  struct Entry {
    WString name;
    bool isFolder;
  };
  WString Join(WStringView name) const;
  WString Parent() const;

  FileAccess& files_;
  FileChooserOptions options_;
  WString folder_;
  std::vector<Entry> entries_;
  std::optional<WString> chosen_;
  Static folderLabel_;
  ListView list_;
  std::unique_ptr<ImageList> thumbnails_;
};

// Runs the chooser modally; the chosen file's full path, or nullopt.
std::optional<WString> ChooseFile(Ui& ui, FileAccess& files, const FileChooserOptions& options);

}  // namespace tarvo::ui
