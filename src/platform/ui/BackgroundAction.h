#pragma once
// Work a window hands to a worker thread. The work posts its progress (any
// number of times) and its result to the UI thread; each post runs there
// only while the window that asked still exists and the run was neither
// stopped nor replaced by a newer one, so a stopped run's late posts are
// thrown away. The run holds the wait cursor when asked to, until its last
// post has run or it is stopped. Every run counts as busy in the Ui's work
// tracker (scripts and tests wait for idleness on it), and every transfer it
// makes takes its stop token.
//
// The work runs without the window: it must capture values (copies, shared
// state), never the window or its members, and reach the window only through
// Post.
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "platform/threads/StopToken.h"
#include "platform/ui/Messages.h"

namespace tarvo::ui {

class Ui;
class Window;

class BackgroundAction {
 public:
  static constexpr std::chrono::milliseconds kJoinBound{3000};

  // What the work sees of its run, on the worker thread.
  class Context {
   public:
    const StopToken& Stop() const;
    bool StopRequested() const { return Stop().Requested(); }
    // For HttpGetOptions::stop and the fetch routines.
    const std::atomic<bool>* StopFlag() const { return Stop().FlagPointer(); }
    // Runs onUi on the UI thread, unless the window is gone or the run was
    // stopped or replaced by then.
    void Post(std::function<void()> onUi) const;
    // The run's number: 1 for the first Start of an action, then counting.
    int Generation() const;

   private:
    friend class BackgroundAction;
    struct Run;
    explicit Context(std::shared_ptr<Run> run) : run_(std::move(run)) {}
    std::shared_ptr<Run> run_;
  };
  using Work = std::function<void(Context& context)>;
  enum class Cursor { Arrow, Wait };

  // owner: the window whose existence gates delivery (its Ui runs the posts).
  explicit BackgroundAction(Window& owner);
  // Stops the run and joins every thread of this action within kJoinBound.
  ~BackgroundAction();
  BackgroundAction(const BackgroundAction&) = delete;
  BackgroundAction& operator=(const BackgroundAction&) = delete;

  // Starts work on a new worker. False while the current run has not ended
  // and was not stopped. A stopped run still winding down does not block a
  // new one; its posts are dropped. With Cursor::Wait the run holds the wait
  // cursor until its work has returned and its posts have run, or until it is
  // stopped.
  bool Start(Work work, Cursor cursor = Cursor::Arrow);
  // Raises the current run's stop token (its fetches end within 50 ms),
  // drops its late posts and releases its wait cursor. Does not wait.
  void Stop();
  // The current run's work has not returned yet (its posts may still be queued).
  bool IsRunning() const;
  // The current run's number, 0 before the first Start.
  int Generation() const { return generation_; }
  // Waits up to bound for the current run's work to return, handling the UI
  // thread's events meanwhile (a screen that waits for its load keeps
  // painting); the posts the work made have run when this returns true.
  bool WaitDispatching(std::chrono::milliseconds bound);
  // Stop, then join every thread of this action within bound. False when a
  // thread did not end in time (it is left to finish on its own).
  bool StopAndJoin(std::chrono::milliseconds bound = kJoinBound);

 private:
  void ReapEnded();

  Ui& ui_;
  WindowHandle owner_;
  int generation_ = 0;
  std::shared_ptr<Context::Run> current_;
  struct Thread;
  std::vector<std::unique_ptr<Thread>> threads_;
};

}  // namespace tarvo::ui
