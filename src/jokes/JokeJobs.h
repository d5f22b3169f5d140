#pragma once
// The joke store's background work over a device's files, registry and
// content server: making sure a joke file is whole, reading the lead file,
// the start-up load and the sync. Each job holds the collection's job lock
// for its whole run and ends soon after a stop request: while waiting for
// the lock, between files, in the pause after the first file and inside a
// fetch (a stopped fetch leaves no file behind).
#include <chrono>
#include <functional>
#include <string>

#include "jokes/JokeCollection.h"
#include "net/HttpFetch.h"
#include "platform/device/FileAccess.h"
#include "platform/device/Registry.h"
#include "platform/threads/StopToken.h"

namespace tarvo {

inline constexpr char16_t kJokeRegistryKey[] = u"proinfo\\Tarvo XH";
inline constexpr char16_t kJokeLeadPath[] = u"\\windows\\xhLead.txt";
inline constexpr char16_t kJokeUpdateFailed[] = u"笑话更新失败！";
inline constexpr char16_t kJokesUpToDate[] = u"已经是最新笑话。";
inline constexpr char16_t kJokesAdded[] = u"成功更新 %d 个笑话";

struct JokeJobSetup {
  FileAccess* files = nullptr;
  Registry* registry = nullptr;
  std::string codePage = "GBK";
  WString jokeFolder;     // the program folder + "xh"
  WString contentServer;  // "http://host:port", no trailing "/"
  HttpFetchTimeouts timeouts;
  bool isV9 = false;
  // The pause after the first file, so that the reader can show it first.
  std::chrono::milliseconds firstFilePause{1000};
};

// What an interactive sync shows; every call is made on the job's thread and
// is expected to hand the work to the UI thread.
struct JokeSyncReport {
  std::function<void()> beginWait;
  std::function<void()> endWait;
  std::function<void(WString)> tell;
};

struct JokeLeadValues {
  bool fetched = false;  // valid, both values non-zero and written to the registry
  int step = 0;
  int end = 0;
};

class JokeJobs {
 public:
  JokeJobs(JokeCollection& store, JokeJobSetup setup);

  WString JokeFilePath(int number) const;
  // Fetches the file up to `attempts` times while its joke count differs
  // from step, then deletes it if it still differs. Step 0 touches nothing.
  // True when the file exists afterwards.
  bool EnsureJokeFile(int number, int step, int attempts, const StopToken& stop);
  JokeLeadValues FetchJokeLead(const StopToken& stop);

  void LoadJokesAtStartup(const StopToken& stop);
  void SyncJokes(bool interactive, const JokeSyncReport& report, const StopToken& stop);

 private:
  bool LoadFile(int number);
  std::optional<int> StoredValue(const char16_t* name);

  JokeCollection& store_;
  JokeJobSetup setup_;
};

}  // namespace tarvo
