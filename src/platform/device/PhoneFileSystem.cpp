#include "platform/device/PhoneFileSystem.h"

#include "platform/device/HostFileWriter.h"
#include "platform/device/HostFiles.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

char16_t FoldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c; }

}  // namespace

bool SameNameIgnoringCase(WStringView a, WStringView b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

std::optional<std::vector<WString>> SplitPhonePath(WStringView phonePath) {
  std::vector<WString> parts;
  WString current;
  auto flush = [&]() -> bool {
    if (current == u"..") return false;
    if (!current.empty() && current != u".") parts.push_back(current);
    current.clear();
    return true;
  };
  for (char16_t c : phonePath) {
    if (c == u'\0') return std::nullopt;
    if (c == u'\\' || c == u'/') {
      if (!flush()) return std::nullopt;
    } else {
      current += c;
    }
  }
  if (!flush()) return std::nullopt;
  return parts;
}

PhoneFileSystem::PhoneFileSystem(std::string hostRoot) : root_(std::move(hostRoot)) {}

std::optional<std::string> PhoneFileSystem::HostPath(WStringView phonePath) const {
  auto parts = SplitPhonePath(phonePath);
  if (!parts) return std::nullopt;
  std::string path = root_;
  bool stillExisting = true;
  for (const WString& part : *parts) {
    std::string name = ToUtf8(part);
    if (stillExisting) {
      const std::string exact = host::Join(path, name);
      if (!host::Exists(exact)) {
        stillExisting = false;
        if (auto entries = host::ListFolder(path)) {
          for (const auto& entry : *entries) {
            if (SameNameIgnoringCase(FromUtf8(entry.name), part)) {
              name = entry.name;
              stillExisting = true;
              break;
            }
          }
        }
      }
    }
    path = host::Join(path, name);
  }
  return path;
}

std::optional<std::string> PhoneFileSystem::ReadAll(WStringView path) {
  auto host = HostPath(path);
  if (!host) return std::nullopt;
  return host::ReadFile(*host);
}

std::optional<std::string> PhoneFileSystem::HostPathWithParents(WStringView path) const {
  auto parts = SplitPhonePath(path);
  if (!parts || parts->empty()) return std::nullopt;
  // Create the parent folders first so the name is resolved against them.
  WString parent;
  for (size_t i = 0; i + 1 < parts->size(); ++i) parent += u"\\" + (*parts)[i];
  auto hostParent = HostPath(parent);
  if (!hostParent || !host::MakeFolders(*hostParent)) return std::nullopt;
  return HostPath(path);
}

bool PhoneFileSystem::WriteAtomically(WStringView path, std::string_view bytes) {
  std::lock_guard<std::mutex> guard(writeLock_);
  auto host = HostPathWithParents(path);
  return host && host::WriteFileAtomically(*host, bytes);
}

std::unique_ptr<FileLock> PhoneFileSystem::LockFolderOf(WStringView path) {
  auto host = HostPathWithParents(path);
  if (!host) return nullptr;
  return FileLock::OnFolder(host::Parent(*host));
}

bool PhoneFileSystem::Append(WStringView path, std::string_view bytes) {
  auto host = HostPath(path);
  return host && host::IsRegularFile(*host) && host::AppendToFile(*host, bytes);
}

bool PhoneFileSystem::WritePrivately(WStringView path, std::string_view bytes) {
  std::lock_guard<std::mutex> guard(writeLock_);
  auto host = HostPathWithParents(path);
  return host && host::WriteFileAtomically(*host, bytes, host::kOwnerOnlyFileMode);
}

bool PhoneFileSystem::AppendPrivately(WStringView path, std::string_view bytes) {
  auto host = HostPath(path);
  return host && host::IsRegularFile(*host) && host::AppendToFileWithMode(*host, bytes, host::kOwnerOnlyFileMode);
}

std::unique_ptr<FileWriter> PhoneFileSystem::OpenForWriting(WStringView path) {
  std::lock_guard<std::mutex> guard(writeLock_);
  auto host = HostPathWithParents(path);
  return host ? OpenHostFileWriter(*host) : nullptr;
}

bool PhoneFileSystem::FileExists(WStringView path) {
  auto host = HostPath(path);
  return host && host::IsRegularFile(*host);
}

bool PhoneFileSystem::FolderExists(WStringView path) {
  auto host = HostPath(path);
  return host && host::IsFolder(*host);
}

std::optional<std::vector<FolderEntry>> PhoneFileSystem::ListFolder(WStringView path) {
  auto host = HostPath(path);
  if (!host) return std::nullopt;
  auto entries = host::ListFolder(*host);
  if (!entries) return std::nullopt;
  std::vector<FolderEntry> out;
  for (const auto& entry : *entries) out.push_back({FromUtf8(entry.name), entry.isFolder});
  return out;
}

bool PhoneFileSystem::DeleteFile(WStringView path) {
  auto host = HostPath(path);
  return host && host::IsRegularFile(*host) && host::RemoveFile(*host);
}

bool PhoneFileSystem::MoveFile(WStringView from, WStringView to) {
  std::lock_guard<std::mutex> guard(writeLock_);
  auto source = HostPath(from);
  auto target = HostPathWithParents(to);
  return source && target && host::RenameFile(*source, *target);
}

bool PhoneFileSystem::RemoveFolder(WStringView path) {
  auto parts = SplitPhonePath(path);
  if (!parts || parts->empty()) return false;  // never the root itself
  auto host = HostPath(path);
  return host && host::RemoveEmptyFolder(*host);
}

bool PhoneFileSystem::CreateFolder(WStringView path) {
  std::lock_guard<std::mutex> guard(writeLock_);
  auto host = HostPath(path);
  return host && host::MakeFolders(*host);
}

}  // namespace tarvo
