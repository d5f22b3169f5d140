#include "platform/device/FileAccess.h"
#include "platform/device/HostFileWriter.h"
#include "platform/device/HostFiles.h"
#include "platform/text/Utf8.h"

namespace tarvo {

std::optional<std::string> HostFileAccess::ReadAll(WStringView path) {
  return host::ReadFile(ToUtf8(path));
}

bool HostFileAccess::WriteAtomically(WStringView path, std::string_view bytes) {
  const std::string target = ToUtf8(path);
  if (target.empty()) return false;
  host::MakeFolders(host::Parent(target));
  return host::WriteFileAtomically(target, bytes);
}

bool HostFileAccess::Append(WStringView path, std::string_view bytes) {
  return host::AppendToFile(ToUtf8(path), bytes);
}

bool HostFileAccess::WritePrivately(WStringView path, std::string_view bytes) {
  const std::string target = ToUtf8(path);
  if (target.empty()) return false;
  host::MakeFolders(host::Parent(target));
  return host::WriteFileAtomically(target, bytes, host::kOwnerOnlyFileMode);
}

bool HostFileAccess::AppendPrivately(WStringView path, std::string_view bytes) {
  return host::AppendToFileWithMode(ToUtf8(path), bytes, host::kOwnerOnlyFileMode);
}

bool HostFileAccess::FileExists(WStringView path) { return host::IsRegularFile(ToUtf8(path)); }

bool HostFileAccess::FolderExists(WStringView path) { return host::IsFolder(ToUtf8(path)); }

std::optional<std::vector<FolderEntry>> HostFileAccess::ListFolder(WStringView path) {
  auto entries = host::ListFolder(ToUtf8(path));
  if (!entries) return std::nullopt;
  std::vector<FolderEntry> out;
  for (const auto& entry : *entries) out.push_back({FromUtf8(entry.name), entry.isFolder});
  return out;
}

bool HostFileAccess::DeleteFile(WStringView path) {
  const std::string target = ToUtf8(path);
  return host::IsRegularFile(target) && host::RemoveFile(target);
}

bool HostFileAccess::MoveFile(WStringView from, WStringView to) {
  const std::string target = ToUtf8(to);
  if (target.empty()) return false;
  host::MakeFolders(host::Parent(target));
  return host::RenameFile(ToUtf8(from), target);
}

bool HostFileAccess::RemoveFolder(WStringView path) {
  return host::RemoveEmptyFolder(ToUtf8(path));
}

bool HostFileAccess::CreateFolder(WStringView path) { return host::MakeFolders(ToUtf8(path)); }

std::unique_ptr<FileLock> HostFileAccess::LockFolderOf(WStringView path) {
  const std::string target = ToUtf8(path);
  if (target.empty()) return nullptr;
  std::string folder = host::Parent(target);
  if (folder.empty()) folder = ".";
  host::MakeFolders(folder);
  return FileLock::OnFolder(folder);
}

}  // namespace tarvo

namespace tarvo {

std::unique_ptr<FileWriter> HostFileAccess::OpenForWriting(WStringView path) {
  return OpenHostFileWriter(ToUtf8(path));
}

}  // namespace tarvo
