#pragma once
// The search-keyword record file: a header line in the device's code page
// with no line end, then CR LF and a keyword for each record.
#include <string>
#include <vector>

#include "platform/device/FileAccess.h"
#include "platform/text/WString.h"

namespace tarvo {

inline constexpr char16_t kKeywordRecordHeader[] = u";此文件用来记录Tarvo的搜索记录";

// Empties the list, then fills it from the file in file order; a missing file
// is created holding only the header. False when the file could not be read
// or created.
bool LoadKeywordRecords(FileAccess& files, WStringView path, std::vector<WString>& list,
                        std::string_view codePage = "GBK");
// Appends CR LF and the keyword. A keyword that is empty or holds CR or LF is
// refused. A missing file is created with its header first.
bool AppendKeywordRecord(FileAccess& files, WStringView path, WStringView keyword,
                         std::string_view codePage = "GBK");
// Rewrites the whole file atomically: the header, then CR LF and each keyword.
bool SaveKeywordRecords(FileAccess& files, WStringView path, const std::vector<WString>& list,
                        std::string_view codePage = "GBK");

// The pure parse behind LoadKeywordRecords.
std::vector<WString> ParseKeywordRecords(std::string_view bytes, std::string_view codePage);

}  // namespace tarvo
