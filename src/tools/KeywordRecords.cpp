#include "tools/KeywordRecords.h"

#include "platform/text/CodePage.h"

namespace tarvo {
namespace {

bool IsStorable(WStringView keyword) {
  return !keyword.empty() && keyword.find_first_of(u"\r\n") == WStringView::npos;
}

std::string Header(std::string_view codePage) { return ToCodePage(kKeywordRecordHeader, codePage); }

}  // namespace

std::vector<WString> ParseKeywordRecords(std::string_view bytes, std::string_view codePage) {
  std::vector<WString> list;
  size_t pos = bytes.find("\r\n");
  while (pos != std::string_view::npos) {
    const size_t start = pos + 2;
    size_t next = bytes.find("\r\n", start);
    std::string_view piece =
        bytes.substr(start, next == std::string_view::npos ? std::string_view::npos : next - start);
    if (!piece.empty()) list.push_back(FromCodePage(piece, codePage));
    pos = next;
  }
  return list;
}

bool LoadKeywordRecords(FileAccess& files, WStringView path, std::vector<WString>& list,
                        std::string_view codePage) {
  list.clear();
  if (!files.FileExists(path)) return files.WriteAtomically(path, Header(codePage));
  auto bytes = files.ReadAll(path);
  if (!bytes) return false;
  list = ParseKeywordRecords(*bytes, codePage);
  return true;
}

bool AppendKeywordRecord(FileAccess& files, WStringView path, WStringView keyword,
                         std::string_view codePage) {
  if (!IsStorable(keyword)) return false;
  const std::string record = "\r\n" + ToCodePage(keyword, codePage);
  if (!files.FileExists(path)) return files.WriteAtomically(path, Header(codePage) + record);
  return files.Append(path, record);
}

bool SaveKeywordRecords(FileAccess& files, WStringView path, const std::vector<WString>& list,
                        std::string_view codePage) {
  std::string bytes = Header(codePage);
  for (const WString& keyword : list) {
    if (!IsStorable(keyword)) continue;
    bytes += "\r\n";
    bytes += ToCodePage(keyword, codePage);
  }
  return files.WriteAtomically(path, bytes);
}

}  // namespace tarvo
