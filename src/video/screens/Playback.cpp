#include "video/screens/Playback.h"

#include "platform/text/CodePage.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "tools/SystemHelpers.h"
#include "tools/screens/CDownloadManager.h"

namespace tarvo::video {

WString PlaylistPath(const CTarvoApp& app) { return app.ProgramDir + u"temp\\Tarvo.m3u"; }

namespace {

// Writes the playlist file, making its folder when missing. False when a
// folder stands at its path or the write fails.
bool WritePlaylist(CTarvoApp& app, const std::string& bytes) {
  FileAccess& files = app.GetDevice().Files();
  const WString path = PlaylistPath(app);
  const WString folder = app.ProgramDir + u"temp";
  if (!files.FolderExists(folder)) files.CreateFolder(folder);
  return !files.FolderExists(path) && files.WriteAtomically(path, bytes);
}

}  // namespace

bool ResolvePlayAddress(CTarvoApp& app, WStringView source, std::vector<PlayAddress>& addresses,
                        HttpFetchTimeouts timeouts) {
  addresses.clear();
  ui::Ui& ui = app.GetUi();
  std::string body;
  {
    ui::WaitCursorHold wait(ui);
    HttpFetch fetch(source, timeouts);
    if (fetch.Content()) body = *fetch.Content();
  }
  PlayPageResult result = ParsePlayPage(body, app.GetDevice().CodePage());
  if (body.empty()) {
    ui::MessageBox(ui, kFetchFailedMessage, u"Tarvo", ui::kMbOk | ui::kMbIconError | ui::kMbTopmost);
    return false;
  }
  if (result.playlist) {
    if (!WritePlaylist(app, *result.playlist)) {
      ui::MessageBox(ui, kPlaylistFailedMessage, u"Tarvo", ui::kMbOk | ui::kMbTopmost);
      return false;
    }
  }
  if (!result.ok) {
    ui::MessageBox(ui, result.message, u"Tarvo", ui::kMbOk | ui::kMbTopmost);
    return false;
  }
  addresses = std::move(result.entries);
  return !addresses.empty();
}

bool WriteUrlPlaylist(CTarvoApp& app, WStringView url) {
  return WritePlaylist(app, ToCodePage(url, app.GetDevice().CodePage()));
}

void PlayPlaylist(CTarvoApp& app) {
  ShellOpen(app.GetDevice(), PlaylistPath(app), u"");
}

void OpenDownloadManager(CTarvoApp& app, const std::vector<PlayAddress>& addresses) {
  std::vector<DownloadEntry> entries;
  for (const PlayAddress& address : addresses) entries.push_back(DownloadEntry{address.name, address.url});
  CDownloadManager(app, std::move(entries)).DoModal();
}

}  // namespace tarvo::video
