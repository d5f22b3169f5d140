#pragma once
// Playing and downloading a found video: the parse page's answer becomes
// "temp\Tarvo.m3u" and the list of (name, address) pairs; the shell opens the
// playlist with the phone's player; the download manager takes the pairs.
#include <vector>

#include "app/shell/TarvoApp.h"
#include "net/HttpFetch.h"
#include "video/PlayAddress.h"

namespace tarvo::video {

// ProgramDir + "temp\Tarvo.m3u".
WString PlaylistPath(const CTarvoApp& app);

// Empties addresses, fetches the parse page at source under the wait cursor
// and writes the playlist whenever the answer carries one (also a partial
// one before a failure). True when the page gave complete parts; they are
// then in addresses. Every failure is said in a box and leaves addresses
// empty, so nothing half resolved is played or downloaded later.
bool ResolvePlayAddress(CTarvoApp& app, WStringView source, std::vector<PlayAddress>& addresses,
                        HttpFetchTimeouts timeouts);

// Writes the playlist holding only url, in the device's code page, with no
// header or line end (the hot-video browser's form). False when the file
// cannot be written.
bool WriteUrlPlaylist(CTarvoApp& app, WStringView url);

// Opens the playlist with the shell's "open"; a failed open is not reported.
void PlayPlaylist(CTarvoApp& app);

// The download manager over the pairs.
void OpenDownloadManager(CTarvoApp& app, const std::vector<PlayAddress>& addresses);

}  // namespace tarvo::video
