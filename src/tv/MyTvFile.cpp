#include "tv/MyTvFile.h"

namespace tarvo {

MyTvFile::MyTvFile(FileAccess& files, WString path) : files_(files), document_(files, path) {}

MyTvLoadStatus MyTvFile::Load(std::vector<TvChannel>& channels) {
  channels.clear();
  bool created = false;
  auto bytes = files_.ReadAll(document_.Path());
  bool unreadable = !bytes && files_.FileExists(document_.Path());
  if (!unreadable && (!bytes || bytes->size() < kTvListMinimumSize)) {
    // Even a short file can hold a channel: it is kept before it is replaced.
    bool kept = !bytes || bytes->empty() || document_.KeepAside(*bytes);
    if (kept) files_.WriteAtomically(document_.Path(), kTvListEmptyTemplate);
    created = true;
  }
  XmlLoadStatus status = document_.Load();
  for (XmlListEntry& entry : document_.Entries()) {
    channels.push_back({std::move(entry.name), std::move(entry.text)});
  }
  if (status == XmlLoadStatus::kLoaded && !created) return MyTvLoadStatus::kLoaded;
  if (status == XmlLoadStatus::kUnparsable) return MyTvLoadStatus::kUnparsable;
  return MyTvLoadStatus::kCreated;
}

bool MyTvFile::Add(const TvChannel& channel) {
  document_.Append(channel.name, channel.url);
  return document_.Save();
}

bool MyTvFile::Modify(WStringView previousUrl, const TvChannel& channel) {
  document_.Modify(previousUrl, channel.name, channel.url);
  return document_.Save();
}

bool MyTvFile::Delete(WStringView url) {
  document_.Remove(url);
  return document_.Save();
}

bool MyTvFile::MoveUp(WStringView url) {
  document_.MoveUp(url);
  return document_.Save();
}

bool MyTvFile::MoveDown(WStringView url) {
  document_.MoveDown(url);
  return document_.Save();
}

}  // namespace tarvo
