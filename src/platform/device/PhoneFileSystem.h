#pragma once
// The phone's file system: phone paths ("\Windows\tmail.exe") below the
// device's fs/ folder. "\" and "/" both separate; each component is matched
// without regard to case, as on the phone; ".." is refused.
#include <mutex>

#include "platform/device/FileAccess.h"

namespace tarvo {

class PhoneFileSystem : public FileAccess {
 public:
  explicit PhoneFileSystem(std::string hostRoot);

  // The host path a phone path stands for (existing components in their
  // stored case, new ones as given); nullopt for a path that leaves the root.
  std::optional<std::string> HostPath(WStringView phonePath) const;
  const std::string& HostRoot() const { return root_; }

  std::optional<std::string> ReadAll(WStringView path) override;
  bool WriteAtomically(WStringView path, std::string_view bytes) override;
  bool Append(WStringView path, std::string_view bytes) override;
  bool WritePrivately(WStringView path, std::string_view bytes) override;
  bool AppendPrivately(WStringView path, std::string_view bytes) override;
  std::unique_ptr<FileWriter> OpenForWriting(WStringView path) override;
  bool FileExists(WStringView path) override;
  bool FolderExists(WStringView path) override;
  std::optional<std::vector<FolderEntry>> ListFolder(WStringView path) override;
  bool DeleteFile(WStringView path) override;
  bool MoveFile(WStringView from, WStringView to) override;
  bool RemoveFolder(WStringView path) override;
  bool CreateFolder(WStringView path) override;
  char16_t Separator() const override { return u'\\'; }
  std::unique_ptr<FileLock> LockFolderOf(WStringView path) override;

 private:
  // HostPath after the parent folders were created.
  std::optional<std::string> HostPathWithParents(WStringView path) const;

  std::string root_;
  // Serialises writers so two threads creating the same new name agree on it.
  std::mutex writeLock_;
};

// Splits a phone path into its components; nullopt when one is "..".
std::optional<std::vector<WString>> SplitPhonePath(WStringView phonePath);
// ASCII case folding as the phone compares names.
bool SameNameIgnoringCase(WStringView a, WStringView b);

}  // namespace tarvo
