#include "video/screens/ThumbnailLoader.h"

#include <set>

#include "net/Connection.h"
#include "net/DownloadToFile.h"
#include "platform/text/Format.h"
#include "tools/SystemHelpers.h"
#include "launcher/controls/BoxPrompts.h"

namespace tarvo::video {

struct ThumbnailLoader::State {
  int generation = 1;
  std::set<int> ready;
  Ready onReady;
};

ThumbnailLoader::ThumbnailLoader(CTarvoApp& app, ui::Window& owner, HttpFetchTimeouts timeouts)
    : app_(app),
      folder_(app.ProgramDir + u"temp\\image\\"),
      timeouts_(timeouts),
      state_(std::make_shared<State>()),
      action_(owner) {}

ThumbnailLoader::~ThumbnailLoader() { action_.Stop(); }

bool ThumbnailLoader::Start(std::vector<ThumbnailJob> jobs, Ready ready) {
  std::erase_if(jobs, [](const ThumbnailJob& job) { return job.url.empty() || job.file.empty(); });
  if (jobs.empty()) return false;
  BoxPrompts prompts(app_.GetUi());
  if (!EnsureConnected(app_.GetDevice().Connections(), prompts)) return false;
  FileAccess& files = app_.GetDevice().Files();
  if (!files.FolderExists(folder_)) files.CreateFolder(folder_);
  state_->onReady = std::move(ready);
  const int generation = state_->generation;
  std::weak_ptr<State> weak = state_;
  const WString folder = folder_;
  const HttpFetchTimeouts timeouts = timeouts_;
  return action_.Start([&files, jobs = std::move(jobs), weak, generation, folder,
                        timeouts](ui::BackgroundAction::Context& context) {
    for (const ThumbnailJob& job : jobs) {
      if (context.StopRequested()) return;
      const WString part = folder + Format(u"~%d_", generation) + job.file;
      DownloadToFile(job.url, files, part, timeouts, context.StopFlag());
      if (!files.FileExists(part)) continue;
      if (context.StopRequested()) {
        files.DeleteFile(part);
        return;
      }
      context.Post([&files, weak, generation, row = job.row, part, path = folder + job.file] {
        auto state = weak.lock();
        if (!state || state->generation != generation) {
          files.DeleteFile(part);
          return;
        }
        if (!files.MoveFile(part, path)) return;
        state->ready.insert(row);
        if (state->onReady) state->onReady(row, path);
      });
    }
  });
}

void ThumbnailLoader::Stop() {
  action_.StopAndJoin(ui::BackgroundAction::kJoinBound);
  ++state_->generation;
  state_->ready.clear();
  state_->onReady = nullptr;
  DeleteTree(app_.GetDevice().Files(), folder_, false);
}

bool ThumbnailLoader::IsReady(int row) const { return state_->ready.contains(row); }

int ThumbnailLoader::Generation() const { return state_->generation; }

}  // namespace tarvo::video
