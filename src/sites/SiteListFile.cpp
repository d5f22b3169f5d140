#include "sites/SiteListFile.h"

#include "sites/BuiltInSites.h"

namespace tarvo {

SiteListFile::SiteListFile(FileAccess& files, WString path, WString contentServer)
    : document_(files, std::move(path)), contentServer_(std::move(contentServer)) {}

SiteLoadStatus SiteListFile::LoadOrSeed(std::vector<SiteEntry>& sites) {
  sites.clear();
  XmlLoadStatus status = document_.Load();
  if (status == XmlLoadStatus::kMissing) {
    document_.Reset();
    for (const SiteEntry& site : BuiltInSites(contentServer_)) {
      sites.push_back(site);
      document_.Append(site.name, site.url);
    }
    document_.Save();
    return SiteLoadStatus::kSeeded;
  }
  for (XmlListEntry& entry : document_.Entries()) {
    sites.push_back({std::move(entry.name), std::move(entry.text)});
  }
  return status == XmlLoadStatus::kLoaded ? SiteLoadStatus::kLoaded : SiteLoadStatus::kUnparsable;
}

bool SiteListFile::Append(const SiteEntry& site) {
  document_.Append(site.name, site.url);
  return document_.Save();
}

bool SiteListFile::Modify(WStringView previousUrl, const SiteEntry& site) {
  document_.Modify(previousUrl, site.name, site.url);
  return document_.Save();
}

bool SiteListFile::Delete(WStringView url) {
  document_.Remove(url);
  return document_.Save();
}

bool SiteListFile::MoveUp(WStringView url) {
  document_.MoveUp(url);
  return document_.Save();
}

bool SiteListFile::MoveDown(WStringView url) {
  document_.MoveDown(url);
  return document_.Save();
}

size_t ModifySitesByName(std::vector<SiteEntry>& sites, WStringView previousName,
                         const SiteEntry& site) {
  size_t changed = 0;
  for (SiteEntry& entry : sites) {
    if (entry.name == previousName) {
      entry = site;
      ++changed;
    }
  }
  return changed;
}

}  // namespace tarvo
