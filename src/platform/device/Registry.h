#pragma once
// The phone registry of one device, kept in a file (registry.ini). Keys live
// under HKEY_CLASSES_ROOT or HKEY_LOCAL_MACHINE; key and value names are
// compared without regard to case and a leading "\" is optional. Values are
// strings or 32-bit numbers. Every call reads the file under a lock that also
// holds between processes; every change replaces the file atomically.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "platform/text/WString.h"

namespace tarvo {

enum class RegistryRoot { ClassesRoot, LocalMachine };

class Registry {
 public:
  Registry(std::string hostFile, std::string lockFile);

  bool KeyExists(RegistryRoot root, WStringView key);
  // Creates the key (and nothing else); true when it exists afterwards.
  bool CreateKey(RegistryRoot root, WStringView key);
  std::optional<WString> GetString(RegistryRoot root, WStringView key, WStringView name);
  std::optional<uint32_t> GetNumber(RegistryRoot root, WStringView key, WStringView name);
  // Write a value, creating the key when it is missing.
  bool SetString(RegistryRoot root, WStringView key, WStringView name, WStringView value);
  bool SetNumber(RegistryRoot root, WStringView key, WStringView name, uint32_t value);
  bool DeleteValue(RegistryRoot root, WStringView key, WStringView name);

  // "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\VERSION" -> root and key.
  static std::optional<std::pair<RegistryRoot, WString>> ParseFullKey(WStringView fullKey);

 private:
  struct Store;
  template <class Change>
  bool Modify(Change change);
  template <class Query>
  auto Read(Query query);

  std::string file_;
  std::string lockFile_;
  std::mutex mutex_;
};

}  // namespace tarvo
