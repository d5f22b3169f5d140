#pragma once
// The program's own INI reader and writer, over files in the device's code
// page. Every call opens, scans and closes the file; every write rewrites the
// whole file through a temporary file that then replaces it, holding a lock
// on the file's folder from the read to the write.
#include <string>

#include "platform/device/FileAccess.h"
#include "platform/text/WString.h"

namespace tarvo {

class IniFile {
 public:
  explicit IniFile(FileAccess& files, std::string codePage = "GBK");

  // Places the value (or the default, empty when none) cut to capacity − 1
  // characters, as in a buffer of that capacity with its terminator, and
  // returns the number of characters placed.
  size_t ReadString(WStringView section, WStringView key, const WString* defaultValue,
                    WString& buffer, size_t capacity, WStringView path) const;
  WString ReadString(WStringView section, WStringView key, WStringView defaultValue,
                     size_t capacity, WStringView path) const;
  // The number the value starts with; the default when the value is missing,
  // empty, not a number, or outside the 32-bit range.
  int ReadInt(WStringView section, WStringView key, int defaultValue, WStringView path) const;
  // 1 when the file was written; 0 when it could not be written or the texts
  // are refused (line breaks anywhere, "]" in the section, "=" in the key).
  int WriteString(WStringView section, WStringView key, WStringView value, WStringView path);
  int WriteInt(WStringView section, WStringView key, int value, WStringView path);

 private:
  FileAccess& files_;
  std::string codePage_;
};

}  // namespace tarvo
