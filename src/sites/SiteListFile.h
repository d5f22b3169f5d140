#pragma once
// TarvoSiteswarm.xml, the site directory's file: loaded when it exists,
// seeded from the built-in table when it does not, and saved after every edit.
#include <vector>

#include "app/XmlListFile.h"
#include "sites/SiteEntry.h"

namespace tarvo {

inline constexpr char16_t kSiteListFileName[] = u"TarvoSiteswarm.xml";
inline constexpr char16_t kSiteListOpenFailed[] = u"Can not open the file: TarvoSiteswarm.xml.";

enum class SiteLoadStatus {
  kLoaded,
  kSeeded,      // no file: the built-in table was written
  kUnparsable,  // kept aside as "TarvoSiteswarm.xml.bad"; the list starts empty
};

class SiteListFile {
 public:
  SiteListFile(FileAccess& files, WString path, WString contentServer);

  // Empties the list and fills it from the file, or seeds the file.
  SiteLoadStatus LoadOrSeed(std::vector<SiteEntry>& sites);

  // Each edits the document and saves it; true when the file was written.
  // An entry not found by its URL leaves the document as it was.
  bool Append(const SiteEntry& site);
  bool Modify(WStringView previousUrl, const SiteEntry& site);
  bool Delete(WStringView url);
  bool MoveUp(WStringView url);
  bool MoveDown(WStringView url);

  XmlListFile& Document() { return document_; }

 private:
  XmlListFile document_;
  WString contentServer_;
};

// The list side of a modify: every entry with the previous name takes the
// new name and URL. Returns how many entries changed.
size_t ModifySitesByName(std::vector<SiteEntry>& sites, WStringView previousName,
                         const SiteEntry& site);

}  // namespace tarvo
