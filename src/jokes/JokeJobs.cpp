#include "jokes/JokeJobs.h"

#include <climits>

#include "jokes/JokeFile.h"
#include "jokes/JokeStore.h"
#include "platform/text/Format.h"

namespace tarvo {
namespace {

constexpr char16_t kStepValue[] = u"step";
constexpr char16_t kEndValue[] = u"end";
constexpr char16_t kJokePath[] = u"/xh/";

// Fetches the lead at most this often in one job.
constexpr int kLeadAttempts = 2;

// Ends a wait begun by an interactive sync exactly once.
class WaitShown {
 public:
  WaitShown(const JokeSyncReport& report, bool shown) : report_(report), shown_(shown) {
    if (shown_ && report_.beginWait) report_.beginWait();
  }
  ~WaitShown() { End(); }
  void End() {
    if (shown_ && report_.endWait) report_.endWait();
    shown_ = false;
  }

 private:
  const JokeSyncReport& report_;
  bool shown_;
};

}  // namespace

JokeJobs::JokeJobs(JokeCollection& store, JokeJobSetup setup) : store_(store), setup_(std::move(setup)) {}

WString JokeJobs::JokeFilePath(int number) const {
  return setup_.jokeFolder + setup_.files->Separator() + JokeFileName(number);
}

std::optional<int> JokeJobs::StoredValue(const char16_t* name) {
  auto value = setup_.registry->GetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, name);
  if (!value || *value > static_cast<uint32_t>(INT_MAX)) return std::nullopt;
  return static_cast<int>(*value);
}

bool JokeJobs::EnsureJokeFile(int number, int step, int attempts, const StopToken& stop) {
  FileAccess& files = *setup_.files;
  const WString path = JokeFilePath(number);
  if (step != 0) {
    const WString url = setup_.contentServer + kJokePath + JokeFileName(number);
    for (int attempt = 0; attempt < attempts && !stop.Requested(); ++attempt) {
      if (CountJokes(files, path, setup_.codePage) == step) break;
      HttpFetch fetch(url, files, path, setup_.timeouts, stop.FlagPointer());
    }
    if (files.FileExists(path) && CountJokes(files, path, setup_.codePage) != step) files.DeleteFile(path);
  }
  return files.FileExists(path);
}

JokeLeadValues JokeJobs::FetchJokeLead(const StopToken& stop) {
  FileAccess& files = *setup_.files;
  JokeLeadValues values;
  {
    HttpFetch fetch(setup_.contentServer + kJokePath + JokeFileName(0), files, kJokeLeadPath, setup_.timeouts,
                    stop.FlagPointer());
  }
  auto bytes = files.ReadAll(kJokeLeadPath);
  if (files.FileExists(kJokeLeadPath)) files.DeleteFile(kJokeLeadPath);
  if (!bytes) return values;
  const JokeLead lead = ParseJokeLead(*bytes, setup_.codePage);
  if (!lead.valid) return values;
  const bool stepUsable = lead.step >= 1 && lead.step <= kMaxJokeStep;
  const bool endUsable = lead.end >= 1 && lead.end <= kMaxJokeEnd;
  Registry& registry = *setup_.registry;
  bool written = false;
  if (stepUsable && registry.SetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, kStepValue, lead.step) &&
      endUsable) {
    written = registry.SetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, kEndValue, lead.end);
  }
  values.fetched = written;
  values.step = stepUsable ? lead.step : 0;
  values.end = endUsable ? lead.end : 0;
  return values;
}

bool JokeJobs::LoadFile(int number) {
  if (store_.HasFile(number)) return false;
  std::vector<WString> jokes;
  const WString path = JokeFilePath(number);
  if (!LoadJokeFile(*setup_.files, path, jokes, kAppendJokes, setup_.codePage)) return false;
  return store_.AddFile(number, path, std::move(jokes));
}

void JokeJobs::LoadJokesAtStartup(const StopToken& stop) {
  auto lock = store_.AcquireJobLock(stop);
  if (!lock.owns_lock()) return;
  FileAccess& files = *setup_.files;
  setup_.registry->CreateKey(RegistryRoot::ClassesRoot, kJokeRegistryKey);
  int step = StoredValue(kStepValue).value_or(0);
  int end = StoredValue(kEndValue).value_or(0);
  if (step > kMaxJokeStep) step = 0;
  if (end > kMaxJokeEnd) end = 0;
  if (!files.FolderExists(setup_.jokeFolder)) files.CreateFolder(setup_.jokeFolder);
  store_.ClearFiles();

  const JokeStart start = JokeStartPosition(store_.LastRead(), step);
  store_.SetIndex(start.index);
  int loadedFiles = 0;
  const int firstAttempts = files.FileExists(JokeFilePath(start.file)) ? 1 : 2;
  if (EnsureJokeFile(start.file, step, firstAttempts, stop)) {
    if (LoadFile(start.file)) loadedFiles = 1;
  } else {
    store_.SetIndex(0);
    store_.SetLastRead(1);
  }
  store_.MarkFirstFileDone();
  if (stop.SleepFor(setup_.firstFilePause)) return;

  if (end == 0 && setup_.isV9) end = 2;
  // The widening loads files 1 to End: a start file beyond End does not count.
  if (start.file > end) loadedFiles = 0;
  for (const JokeVisit& visit : JokeWideningOrder(start.file, end)) {
    if (loadedFiles >= end || stop.Requested()) break;
    if (store_.HasFile(visit.file)) continue;
    const int attempts = files.FileExists(JokeFilePath(visit.file)) ? 1 : 2;
    if (EnsureJokeFile(visit.file, step, attempts, stop) && LoadFile(visit.file)) ++loadedFiles;
  }
  if (stop.Requested()) return;

  JokeLeadValues lead = FetchJokeLead(stop);
  if (!lead.fetched && !stop.Requested()) lead = FetchJokeLead(stop);
  if (lead.fetched && lead.step != step) {
    // Files of the old size are fetched again at the next start; the lists
    // keep what they hold until then.
    for (int number = 1; number < end; ++number) {
      const WString path = JokeFilePath(number);
      if (files.FileExists(path)) files.DeleteFile(path);
    }
    step = lead.step;
  }
  if (lead.fetched && end < lead.end) {
    for (int number = end + 1; number <= lead.end && !stop.Requested(); ++number) {
      if (store_.HasFile(number)) continue;
      if (EnsureJokeFile(number, step, 1, stop)) LoadFile(number);
    }
  }
  if (stop.Requested()) return;
  const int listed = store_.FileCount();
  store_.SetComplete(lead.fetched ? listed >= lead.end : (end != 0 && listed >= end));
  store_.MarkLoaded();
}

void JokeJobs::SyncJokes(bool interactive, const JokeSyncReport& report, const StopToken& stop) {
  auto lock = store_.AcquireJobLock(stop);
  if (!lock.owns_lock()) return;
  Registry& registry = *setup_.registry;
  if (!registry.KeyExists(RegistryRoot::ClassesRoot, u"proinfo") ||
      !registry.KeyExists(RegistryRoot::ClassesRoot, kJokeRegistryKey)) {
    return;
  }
  WaitShown wait(report, interactive);
  JokeLeadValues lead = FetchJokeLead(stop);
  if (!lead.fetched && !stop.Requested()) lead = FetchJokeLead(stop);
  if (stop.Requested()) return;
  auto tell = [&](WString text) {
    if (interactive && report.tell) report.tell(std::move(text));
  };
  if (!lead.fetched) {
    wait.End();
    tell(kJokeUpdateFailed);
    return;
  }
  if (store_.FileCount() >= lead.end) {
    wait.End();
    tell(kJokesUpToDate);
    return;
  }
  int added = 0;
  for (int number = 1; number <= lead.end; ++number) {
    if (stop.Requested()) return;
    // A listed file stays as it is for this run, even when a change of
    // Step deleted it from the disk.
    if (store_.HasFile(number) || setup_.files->FileExists(JokeFilePath(number))) continue;
    if (EnsureJokeFile(number, lead.step, 2, stop) && LoadFile(number)) ++added;
  }
  wait.End();
  if (added > 0) tell(Format(kJokesAdded, added * lead.step));
  if (store_.FileCount() >= lead.end) store_.SetComplete(true);
}

}  // namespace tarvo
