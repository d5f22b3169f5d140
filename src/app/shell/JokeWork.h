#pragma once
// The joke store's jobs as the application runs them: over the device's
// files, registry and content server, with an interactive sync's messages
// and wait cursor handed to the UI thread.
#include "app/shell/TarvoApp.h"
#include "jokes/JokeJobs.h"

namespace tarvo {

JokeJobSetup JokeSetupFor(CTarvoApp& app);
// The start-up load ("joke-load").
WorkerThread::Body JokeLoadBody(CTarvoApp& app);
// The sync (kJokeSyncJob): silent, or with its messages (top-most boxes,
// caption "Tarvo", no owner) and the wait cursor; an optional pause first.
WorkerThread::Body JokeSyncBody(CTarvoApp& app, bool interactive,
                                std::chrono::milliseconds pauseFirst = std::chrono::milliseconds(0));
// Once per run: reads "LastPage", defines the silent sync (a body defined
// before is kept) and starts the start-up load.
void StartJokeStore(CTarvoApp& app);
// Writes the last-read number as "LastPage".
void SaveLastPage(CTarvoApp& app);

}  // namespace tarvo
