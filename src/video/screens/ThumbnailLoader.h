#pragma once
// The thumbnail worker of the result lists. It lives with the search screen,
// beyond any one list, so that closing a list never waits for it. Each start
// is a generation: the worker downloads every job to a temporary name and
// posts it; only the UI thread gives the file its name and marks the row
// ready, and a file of an older generation is deleted instead. A stop raises
// the worker's stop token (its transfer ends at once), waits at most 3000 ms,
// starts a new generation and empties the thumbnail folder.
#include <functional>
#include <memory>
#include <vector>

#include "app/shell/TarvoApp.h"
#include "net/HttpFetch.h"
#include "platform/ui/BackgroundAction.h"

namespace tarvo::video {

struct ThumbnailJob {
  int row = 0;
  WString url;
  WString file;  // the name in the thumbnail folder, "3.jpg" or "Normal0.jpg"

  bool operator==(const ThumbnailJob&) const = default;
};

class ThumbnailLoader {
 public:
  // Called on the UI thread with the row and the full path of its picture.
  using Ready = std::function<void(int row, const WString& path)>;

  ThumbnailLoader(CTarvoApp& app, ui::Window& owner, HttpFetchTimeouts timeouts);
  ~ThumbnailLoader();

  // ProgramDir + "temp\image\".
  const WString& Folder() const { return folder_; }
  // Runs the connection check first (it may ask to dial); false, with no
  // worker, when there is no usable connection or nothing to fetch.
  bool Start(std::vector<ThumbnailJob> jobs, Ready ready);
  void Stop();
  // The picture of the row has arrived in the current generation.
  bool IsReady(int row) const;
  int Generation() const;
  bool IsRunning() const { return action_.IsRunning(); }

 private:
  struct State;
  CTarvoApp& app_;
  WString folder_;
  HttpFetchTimeouts timeouts_;
  std::shared_ptr<State> state_;
  ui::BackgroundAction action_;
};

}  // namespace tarvo::video
