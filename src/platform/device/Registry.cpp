#include "platform/device/Registry.h"

#include <vector>

#include "platform/device/FileLock.h"
#include "platform/device/HostFiles.h"
#include "platform/device/PhoneFileSystem.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

constexpr std::u16string_view kClassesRoot = u"HKEY_CLASSES_ROOT";
constexpr std::u16string_view kLocalMachine = u"HKEY_LOCAL_MACHINE";

struct Value {
  WString name;
  bool isNumber = false;
  WString text;
  uint32_t number = 0;
};

struct Key {
  RegistryRoot root;
  WString path;  // normalised: no leading or trailing "\", single separators
  std::vector<Value> values;
};

Value NewValue(WStringView name) {
  Value value;
  value.name = WString(name);
  return value;
}

WString NormaliseKey(WStringView key) {
  WString out;
  for (char16_t c : key) {
    if (c == u'\\' && (out.empty() || out.back() == u'\\')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == u'\\') out.pop_back();
  return out;
}

// Percent-escapes the characters that would break the file's line structure.
std::string Escape(WStringView text, bool name) {
  std::string out;
  for (char c : ToUtf8(text)) {
    bool special = c == '%' || c == '\r' || c == '\n' ||
                   (name && (c == '=' || c == '[' || c == ']'));
    if (special) {
      static const char* hex = "0123456789ABCDEF";
      out += '%';
      out += hex[(static_cast<unsigned char>(c) >> 4) & 0xF];
      out += hex[static_cast<unsigned char>(c) & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

WString Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return FromUtf8(out);
}

}  // namespace

struct Registry::Store {
  std::vector<Key> keys;

  static Store Parse(std::string_view text) {
    Store store;
    Key* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(pos, end - pos);
      pos = end + 1;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (line.empty() || line[0] == ';') continue;
      if (line[0] == '[' && line.back() == ']') {
        auto parsed = ParseFullKey(Unescape(line.substr(1, line.size() - 2)));
        current = nullptr;
        if (parsed) current = &store.FindOrAdd(parsed->first, parsed->second);
        continue;
      }
      size_t equals = line.find('=');
      if (current == nullptr || equals == std::string_view::npos) continue;
      Value value;
      value.name = Unescape(line.substr(0, equals));
      std::string_view data = line.substr(equals + 1);
      if (data.substr(0, 3) == "sz:") {
        value.text = Unescape(data.substr(3));
      } else if (data.substr(0, 6) == "dword:") {
        value.isNumber = true;
        value.number = static_cast<uint32_t>(std::strtoul(std::string(data.substr(6)).c_str(),
                                                          nullptr, 10));
      } else {
        continue;
      }
      current->values.push_back(value);
    }
    return store;
  }

  std::string Serialise() const {
    std::string out = "; Phone registry of this device. Written by tarvo; edit with care.\n";
    for (const Key& key : keys) {
      out += "\n[";
      out += Escape(WString(key.root == RegistryRoot::ClassesRoot ? kClassesRoot : kLocalMachine) +
                        (key.path.empty() ? u"" : u"\\" + key.path),
                    true);
      out += "]\n";
      for (const Value& value : key.values) {
        out += Escape(value.name, true);
        out += value.isNumber ? "=dword:" + std::to_string(value.number)
                              : "=sz:" + Escape(value.text, false);
        out += "\n";
      }
    }
    return out;
  }

  Key* Find(RegistryRoot root, WStringView path) {
    const WString wanted = NormaliseKey(path);
    for (Key& key : keys) {
      if (key.root == root && SameNameIgnoringCase(key.path, wanted)) return &key;
    }
    return nullptr;
  }

  Key& FindOrAdd(RegistryRoot root, WStringView path) {
    if (Key* key = Find(root, path)) return *key;
    keys.push_back({root, NormaliseKey(path), {}});
    return keys.back();
  }

  static Value* FindValue(Key& key, WStringView name) {
    for (Value& value : key.values) {
      if (SameNameIgnoringCase(value.name, name)) return &value;
    }
    return nullptr;
  }
};

Registry::Registry(std::string hostFile, std::string lockFile)
    : file_(std::move(hostFile)), lockFile_(std::move(lockFile)) {}

template <class Query>
auto Registry::Read(Query query) {
  std::lock_guard<std::mutex> guard(mutex_);
  FileLock lock(lockFile_);
  Store store = Store::Parse(host::ReadFile(file_).value_or(""));
  return query(store);
}

template <class Change>
bool Registry::Modify(Change change) {
  std::lock_guard<std::mutex> guard(mutex_);
  FileLock lock(lockFile_);
  if (!lock.Held()) return false;
  Store store = Store::Parse(host::ReadFile(file_).value_or(""));
  if (!change(store)) return false;
  return host::WriteFileAtomically(file_, store.Serialise());
}

bool Registry::KeyExists(RegistryRoot root, WStringView key) {
  return Read([&](Store& store) { return store.Find(root, key) != nullptr; });
}

bool Registry::CreateKey(RegistryRoot root, WStringView key) {
  if (KeyExists(root, key)) return true;
  return Modify([&](Store& store) {
    store.FindOrAdd(root, key);
    return true;
  });
}

std::optional<WString> Registry::GetString(RegistryRoot root, WStringView key, WStringView name) {
  return Read([&](Store& store) -> std::optional<WString> {
    Key* found = store.Find(root, key);
    Value* value = found ? Store::FindValue(*found, name) : nullptr;
    if (value == nullptr || value->isNumber) return std::nullopt;
    return value->text;
  });
}

std::optional<uint32_t> Registry::GetNumber(RegistryRoot root, WStringView key, WStringView name) {
  return Read([&](Store& store) -> std::optional<uint32_t> {
    Key* found = store.Find(root, key);
    Value* value = found ? Store::FindValue(*found, name) : nullptr;
    if (value == nullptr || !value->isNumber) return std::nullopt;
    return value->number;
  });
}

bool Registry::SetString(RegistryRoot root, WStringView key, WStringView name, WStringView text) {
  return Modify([&](Store& store) {
    Key& target = store.FindOrAdd(root, key);
    Value* value = Store::FindValue(target, name);
    if (value == nullptr) value = &target.values.emplace_back(NewValue(name));
    value->isNumber = false;
    value->text = WString(text);
    return true;
  });
}

bool Registry::SetNumber(RegistryRoot root, WStringView key, WStringView name, uint32_t number) {
  return Modify([&](Store& store) {
    Key& target = store.FindOrAdd(root, key);
    Value* value = Store::FindValue(target, name);
    if (value == nullptr) value = &target.values.emplace_back(NewValue(name));
    value->isNumber = true;
    value->number = number;
    return true;
  });
}

bool Registry::DeleteValue(RegistryRoot root, WStringView key, WStringView name) {
  return Modify([&](Store& store) {
    Key* target = store.Find(root, key);
    if (target == nullptr) return false;
    for (auto it = target->values.begin(); it != target->values.end(); ++it) {
      if (SameNameIgnoringCase(it->name, name)) {
        target->values.erase(it);
        return true;
      }
    }
    return false;
  });
}

std::optional<std::pair<RegistryRoot, WString>> Registry::ParseFullKey(WStringView fullKey) {
  WString key = NormaliseKey(fullKey);
  size_t slash = key.find(u'\\');
  WString rootName = key.substr(0, slash);
  WString rest = slash == WString::npos ? WString() : key.substr(slash + 1);
  if (SameNameIgnoringCase(rootName, kClassesRoot) || SameNameIgnoringCase(rootName, u"HKCR"))
    return std::make_pair(RegistryRoot::ClassesRoot, rest);
  if (SameNameIgnoringCase(rootName, kLocalMachine) || SameNameIgnoringCase(rootName, u"HKLM"))
    return std::make_pair(RegistryRoot::LocalMachine, rest);
  return std::nullopt;
}

}  // namespace tarvo
