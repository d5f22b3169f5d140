#pragma once
// Host file system primitives. Paths are UTF-8 host paths. Nothing here
// follows symbolic links when walking folders.
#include <optional>
#include <string>
#include <vector>

namespace tarvo::host {

struct DirEntry {
  std::string name;  // UTF-8
  bool isFolder = false;
};

std::optional<std::string> ReadFile(const std::string& path);
// Permission bits of new files: everyone may read, or only the owner.
inline constexpr unsigned kSharedFileMode = 0644;
inline constexpr unsigned kOwnerOnlyFileMode = 0600;

// Writes to a temporary file beside the target, flushes it and renames it
// over the target, so a crash leaves either the old or the new content. The
// file has the given permission bits from its first byte on.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, unsigned mode = kSharedFileMode);
bool AppendToFile(const std::string& path, std::string_view bytes, bool create = false);
// Appends after setting the file's permission bits to mode (before any byte
// is added).
bool AppendToFileWithMode(const std::string& path, std::string_view bytes, unsigned mode);
// Creates or truncates a file for writing; -1 when it cannot be opened.
int OpenTruncated(const std::string& path);
bool WriteAll(int fd, std::string_view bytes);
void Close(int fd);
bool Exists(const std::string& path);       // without following a final link
bool IsFolder(const std::string& path);     // a real folder, not a link to one
bool IsRegularFile(const std::string& path);
// Entries of a folder in the device's enumeration order (by name, bytewise);
// nullopt when the folder cannot be enumerated.
std::optional<std::vector<DirEntry>> ListFolder(const std::string& path);
bool RemoveFile(const std::string& path);
// Renames a regular file, replacing a file at to (one rename: never half done).
bool RenameFile(const std::string& from, const std::string& to);
bool RemoveEmptyFolder(const std::string& path);
bool MakeFolders(const std::string& path);
// Copies a folder tree (files and folders only), keeping existing files.
bool CopyTree(const std::string& from, const std::string& to);
std::string Parent(const std::string& path);
std::string Join(const std::string& folder, const std::string& name);

}  // namespace tarvo::host
