#include "platform/ui/BackgroundAction.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/threads/WorkTracker.h"
#include "platform/ui/Ui.h"
#include "platform/ui/Window.h"

namespace tarvo::ui {

struct BackgroundAction::Context::Run {
  Ui* ui = nullptr;
  WindowHandle owner = 0;
  int generation = 0;
  StopToken stop;
  std::unique_ptr<WorkTracker::Busy> busy;
  // Set on the worker when the work has returned.
  std::mutex mutex;
  std::condition_variable ended;
  bool workDone = false;
  // UI thread only.
  bool endDelivered = false;
  bool holdsCursor = false;

  void ReleaseCursor() {
    if (!holdsCursor) return;
    holdsCursor = false;
    ui->EndWaitCursor();
  }
  bool WorkDone() {
    std::lock_guard<std::mutex> guard(mutex);
    return workDone;
  }
  bool WaitWorkDone(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock<std::mutex> lock(mutex);
    return ended.wait_until(lock, deadline, [this] { return workDone; });
  }
};

struct BackgroundAction::Thread {
  std::thread thread;
  std::shared_ptr<Context::Run> run;
};

const StopToken& BackgroundAction::Context::Stop() const { return run_->stop; }

int BackgroundAction::Context::Generation() const { return run_->generation; }

void BackgroundAction::Context::Post(std::function<void()> onUi) const {
  std::shared_ptr<Run> run = run_;
  run->ui->PostTask([run, onUi = std::move(onUi)] {
    if (run->stop.Requested() || run->ui->FromHandle(run->owner) == nullptr) return;
    onUi();
  });
}

BackgroundAction::BackgroundAction(Window& owner) : ui_(owner.GetUi()), owner_(owner.Handle()) {}

BackgroundAction::~BackgroundAction() { StopAndJoin(kJoinBound); }

bool BackgroundAction::Start(Work work, Cursor cursor) {
  ReapEnded();
  if (current_ && !current_->stop.Requested() && !current_->WorkDone()) return false;
  auto run = std::make_shared<Context::Run>();
  run->ui = &ui_;
  run->owner = owner_;
  run->generation = ++generation_;
  run->busy = std::make_unique<WorkTracker::Busy>(&ui_.Workers());
  if (cursor == Cursor::Wait) {
    run->holdsCursor = true;
    ui_.BeginWaitCursor();
  }
  current_ = run;
  auto thread = std::make_unique<Thread>();
  thread->run = run;
  thread->thread = std::thread([run, work = std::move(work)]() mutable {
    Context context(run);
    work(context);
    work = nullptr;  // what the work captured goes before the run counts as ended
    {
      std::lock_guard<std::mutex> guard(run->mutex);
      run->workDone = true;
    }
    run->ended.notify_all();
    // Posted after every post of the work, so it runs after them; and before
    // the run stops counting as busy, so that idleness also waits for it.
    run->ui->PostTask([run] {
      run->endDelivered = true;
      run->ReleaseCursor();
    });
    run->busy.reset();
  });
  threads_.push_back(std::move(thread));
  return true;
}

void BackgroundAction::Stop() {
  if (!current_) return;
  current_->stop.Request();
  current_->ReleaseCursor();
}

bool BackgroundAction::IsRunning() const { return current_ && !current_->WorkDone(); }

bool BackgroundAction::WaitDispatching(std::chrono::milliseconds bound) {
  if (!current_) return true;
  std::shared_ptr<Context::Run> run = current_;
  const auto deadline = std::chrono::steady_clock::now() + bound;
  while (!run->endDelivered) {
    if (std::chrono::steady_clock::now() >= deadline || ui_.QuitRequested()) return false;
    ui_.RunOnce(10);
  }
  return true;
}

bool BackgroundAction::StopAndJoin(std::chrono::milliseconds bound) {
  Stop();
  const auto deadline = std::chrono::steady_clock::now() + bound;
  bool allEnded = true;
  for (auto& thread : threads_) {
    if (thread->run->WaitWorkDone(deadline)) {
      thread->thread.join();
    } else {
      allEnded = false;
      thread->thread.detach();  // it holds its own run; its posts are dropped
    }
  }
  threads_.clear();
  return allEnded;
}

void BackgroundAction::ReapEnded() {
  auto ended = std::stable_partition(threads_.begin(), threads_.end(),
                                     [](const std::unique_ptr<Thread>& t) { return !t->run->WorkDone(); });
  for (auto it = ended; it != threads_.end(); ++it) (*it)->thread.join();
  threads_.erase(ended, threads_.end());
}

}  // namespace tarvo::ui
