#pragma once
// Whole-file access by path, the way the program's file formats use files.
// Two kinds: the phone's file system inside a device (phone paths such as
// "\windows\xhLead.txt") and the host's (UTF-8 paths, for tools and tests).
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/device/FileLock.h"
#include "platform/text/WString.h"

namespace tarvo {

// A file opened for writing from its start; every Write goes to the file at
// once (nothing is held back in memory). Closed when the object goes.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual bool Write(std::string_view bytes) = 0;
};

struct FolderEntry {
  WString name;
  bool isFolder = false;
};

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  virtual std::optional<std::string> ReadAll(WStringView path) = 0;
  // Replaces the file through a temporary file; creates parent folders.
  virtual bool WriteAtomically(WStringView path, std::string_view bytes) = 0;
  // Appends to an existing file; false when it does not exist.
  virtual bool Append(WStringView path, std::string_view bytes) = 0;
  // As WriteAtomically and Append, for a file only its owner may read or
  // write (mode 0600 on the host): a written file is so from its first byte,
  // an appended one is made so before the bytes go in. Kinds of access
  // without permissions write as usual.
  virtual bool WritePrivately(WStringView path, std::string_view bytes) { return WriteAtomically(path, bytes); }
  virtual bool AppendPrivately(WStringView path, std::string_view bytes) { return Append(path, bytes); }
  // Creates or truncates the file (and its parent folders); nullptr when it
  // cannot be opened.
  virtual std::unique_ptr<FileWriter> OpenForWriting(WStringView path) = 0;
  virtual bool FileExists(WStringView path) = 0;
  virtual bool FolderExists(WStringView path) = 0;
  // Entries in enumeration order; nullopt when the folder cannot be listed.
  virtual std::optional<std::vector<FolderEntry>> ListFolder(WStringView path) = 0;
  virtual bool DeleteFile(WStringView path) = 0;
  // Renames a file in place of to (made with its parents); false when from is no file.
  virtual bool MoveFile(WStringView from, WStringView to) = 0;
  virtual bool RemoveFolder(WStringView path) = 0;  // only an empty folder
  virtual bool CreateFolder(WStringView path) = 0;  // with its parents
  // The separator this kind of path uses between folder and name.
  virtual char16_t Separator() const = 0;
  // Holds the folder of path (made when missing) against every other holder,
  // in this process or another, until the lock goes: for read-modify-write
  // of a file in it. nullptr where this kind of access has no such lock.
  virtual std::unique_ptr<FileLock> LockFolderOf(WStringView) { return nullptr; }
};

// Host paths, given as UTF-8 text in a WString.
class HostFileAccess : public FileAccess {
 public:
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
  char16_t Separator() const override { return u'/'; }
  std::unique_ptr<FileLock> LockFolderOf(WStringView path) override;
};

}  // namespace tarvo
