// XML list files: load, read the entries, edit, save and read back, all in memory.
#include <cstdint>
#include <map>
#include <string_view>

#include "app/XmlListFile.h"

namespace {

class MemoryFiles : public tarvo::FileAccess {
 public:
  std::optional<std::string> ReadAll(tarvo::WStringView path) override {
    auto it = files_.find(tarvo::WString(path));
    if (it == files_.end()) return std::nullopt;
    return it->second;
  }
  bool WriteAtomically(tarvo::WStringView path, std::string_view bytes) override {
    files_[tarvo::WString(path)] = std::string(bytes);
    return true;
  }
  bool Append(tarvo::WStringView, std::string_view) override { return false; }
  std::unique_ptr<tarvo::FileWriter> OpenForWriting(tarvo::WStringView) override { return nullptr; }
  bool FileExists(tarvo::WStringView path) override { return files_.count(tarvo::WString(path)); }
  bool FolderExists(tarvo::WStringView) override { return true; }
  std::optional<std::vector<tarvo::FolderEntry>> ListFolder(tarvo::WStringView) override {
    return std::nullopt;
  }
  bool DeleteFile(tarvo::WStringView path) override { return files_.erase(tarvo::WString(path)); }
  bool MoveFile(tarvo::WStringView from, tarvo::WStringView to) override {
    auto it = files_.find(tarvo::WString(from));
    if (it == files_.end()) return false;
    files_[tarvo::WString(to)] = std::move(it->second);
    files_.erase(tarvo::WString(from));
    return true;
  }
  bool RemoveFolder(tarvo::WStringView) override { return false; }
  bool CreateFolder(tarvo::WStringView) override { return true; }
  char16_t Separator() const override { return u'/'; }

 private:
  std::map<tarvo::WString, std::string> files_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarvo;
  MemoryFiles files;
  files.WriteAtomically(u"list.xml", std::string_view(reinterpret_cast<const char*>(data), size));
  XmlListFile list(files, u"list.xml");
  list.Load();
  auto entries = list.Entries();
  if (!entries.empty()) {
    list.MoveDown(entries.front().text);
    list.MoveUp(entries.back().text);
    list.Modify(entries.front().text, u"名", u"http://x");
    list.Remove(entries.back().text);
  }
  list.Append(u"n", u"t");
  list.Save();
  list.Entries();
  return 0;
}
