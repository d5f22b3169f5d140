#pragma once
// The jokes in memory: the loaded files in file-number order and their jokes
// in the same order, the current index, the last-read number and the load's
// flags. Readers take copies; every read or insert holds a short lock, never
// across a fetch. Listeners on the UI thread hear the list grow, the first
// file dealt with and the load's end. The joke jobs serialise their whole
// runs on a separate job lock.
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/text/WString.h"
#include "platform/threads/StopToken.h"

namespace tarvo {

enum class JokeEvent { Grew, FirstFile, Loaded };

struct JokeFacts {
  int count = 0;     // jokes in memory
  int files = 0;     // loaded files
  int index = 0;     // current index (0-based)
  int lastRead = 1;  // last-read number (1-based)
  bool loaded = false;
  bool complete = false;
  bool firstFileDone = false;
};

// The joke the reader shows, read in one piece so that a file put in front
// between the reads cannot pair one index with another's joke.
struct JokePage {
  int index = 0;
  int lastRead = 1;
  std::optional<WString> joke;  // none when the index is outside the list
};

// What a page turn found.
enum class PageTurn {
  Turned,
  AtLastPage,   // forward from the last joke, or from beyond the end
  AtFirstPage,  // back from the first joke
  Nothing,      // no jokes, or back from beyond the end
};

// "LastPage" as read from the registry: 0, missing or above 2147483647 is 1.
int LastPageValue(std::optional<uint32_t> stored);

class JokeCollection {
 public:
  using Task = std::function<void()>;
  // Hands a task to the UI thread; empty: listeners are called at once, on
  // whatever thread changed the collection.
  using Poster = std::function<void(Task)>;
  using Listener = std::function<void(JokeEvent)>;

  explicit JokeCollection(Poster toUiThread = {});
  JokeCollection(const JokeCollection&) = delete;
  JokeCollection& operator=(const JokeCollection&) = delete;

  // --- listeners (UI thread) -------------------------------------------
  int AddListener(Listener listener);
  void RemoveListener(int id);

  // --- copies out ---------------------------------------------------------
  JokeFacts Facts() const;
  int Count() const;
  int Index() const;
  int LastRead() const;
  std::optional<WString> JokeAt(int index) const;
  JokePage CurrentPage() const;
  bool HasFile(int number) const;
  int FileCount() const;
  std::vector<int> FileNumbers() const;
  std::vector<WString> FilePaths() const;

  // --- the jobs -----------------------------------------------------------
  // Held for a joke job's whole run; not owned when stop came first. Taken
  // by polling a plain mutex, which thread checkers see (a timed lock goes
  // through a call that ThreadSanitizer does not follow).
  std::unique_lock<std::mutex> AcquireJobLock(const StopToken& stop);
  // True the first time only: the start-up load runs once per run.
  bool ClaimStartupLoad();
  // Empties both lists and the flags (not the latch, last-read or index).
  void ClearFiles();
  // Puts a file's jokes at its place by number. False, and nothing changes,
  // when the number is listed already. A current index that held a joke
  // moves by the jokes put in front of it.
  bool AddFile(int number, WString path, std::vector<WString> jokes);
  void MarkFirstFileDone();  // a latch: stays set
  void MarkLoaded();
  void SetComplete(bool complete);

  // --- the reader -----------------------------------------------------------
  void SetLastRead(int lastRead);
  // While the reader is open, last-read follows every change of the index.
  void SetReaderOpen(bool open);
  void SetIndex(int index);
  // One joke forward (step 1) or back (step -1) from the current index,
  // decided and done under one lock: a file put in front meanwhile moves
  // the index first, so the turn starts from the joke shown.
  PageTurn TurnPage(int step);
  // An index outside a non-empty list becomes 0; true when it changed.
  bool FixIndex();

 private:
  struct ListenerTable {
    std::map<int, Listener> listeners;
    int nextId = 1;
  };
  struct LoadedFile {
    int number;
    WString path;
    int jokes;
  };
  void Notify(JokeEvent event);
  void SetIndexLocked(int index);

  Poster poster_;
  std::shared_ptr<ListenerTable> table_ = std::make_shared<ListenerTable>();
  std::mutex jobMutex_;
  mutable std::mutex mutex_;
  std::vector<LoadedFile> files_;
  std::vector<WString> jokes_;
  int index_ = 0;
  int lastRead_ = 1;
  bool readerOpen_ = false;
  bool loaded_ = false;
  bool complete_ = false;
  bool firstFileDone_ = false;
  bool startupClaimed_ = false;
};

}  // namespace tarvo
