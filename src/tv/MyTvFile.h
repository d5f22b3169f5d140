#pragma once
// TVList.xml, the user's own channel list: loading (creating or replacing a
// file too short to be a list) and every edit, each saved to the file at once.
#include <vector>

#include "app/XmlListFile.h"
#include "tv/TvChannel.h"

namespace tarvo {

inline constexpr char16_t kTvListFileName[] = u"TVList.xml";
// Files shorter than this are replaced by the empty list.
inline constexpr size_t kTvListMinimumSize = 50;
inline constexpr char kTvListEmptyTemplate[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Normal>\r\n</Normal>";
inline constexpr char16_t kTvListOpenFailed[] = u"Can not open the file: TVList.xml.";

enum class MyTvLoadStatus {
  kLoaded,
  kCreated,     // missing or too short: (re)written with the empty list
  kUnparsable,  // kept aside as "TVList.xml.bad"; the list starts empty
};

class MyTvFile {
 public:
  MyTvFile(FileAccess& files, WString path);

  MyTvLoadStatus Load(std::vector<TvChannel>& channels);

  // Each edits the document and saves it; true when the file was written.
  // A channel not found by its address leaves the document as it was.
  bool Add(const TvChannel& channel);
  bool Modify(WStringView previousUrl, const TvChannel& channel);
  bool Delete(WStringView url);
  bool MoveUp(WStringView url);
  bool MoveDown(WStringView url);

  XmlListFile& Document() { return document_; }

 private:
  FileAccess& files_;
  XmlListFile document_;
};

}  // namespace tarvo
