#include "jokes/JokeCollection.h"

#include <algorithm>
#include <climits>

namespace tarvo {
namespace {

constexpr auto kJobLockPoll = std::chrono::milliseconds(10);

}  // namespace

int LastPageValue(std::optional<uint32_t> stored) {
  if (!stored || *stored == 0 || *stored > static_cast<uint32_t>(INT_MAX)) return 1;
  return static_cast<int>(*stored);
}

JokeCollection::JokeCollection(Poster toUiThread) : poster_(std::move(toUiThread)) {}

int JokeCollection::AddListener(Listener listener) {
  const int id = table_->nextId++;
  table_->listeners[id] = std::move(listener);
  return id;
}

void JokeCollection::RemoveListener(int id) { table_->listeners.erase(id); }

void JokeCollection::Notify(JokeEvent event) {
  auto deliver = [weak = std::weak_ptr<ListenerTable>(table_), event] {
    auto table = weak.lock();
    if (!table) return;
    std::vector<int> ids;
    for (const auto& [id, listener] : table->listeners) ids.push_back(id);
    // A listener may remove itself or others: look each one up afresh.
    for (int id : ids) {
      auto found = table->listeners.find(id);
      if (found == table->listeners.end()) continue;
      Listener listener = found->second;
      listener(event);
    }
  };
  if (poster_) poster_(std::move(deliver));
  else deliver();
}

JokeFacts JokeCollection::Facts() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return {static_cast<int>(jokes_.size()), static_cast<int>(files_.size()), index_, lastRead_, loaded_, complete_,
          firstFileDone_};
}

int JokeCollection::Count() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return static_cast<int>(jokes_.size());
}

int JokeCollection::Index() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return index_;
}

int JokeCollection::LastRead() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return lastRead_;
}

std::optional<WString> JokeCollection::JokeAt(int index) const {
  std::lock_guard<std::mutex> guard(mutex_);
  if (index < 0 || index >= static_cast<int>(jokes_.size())) return std::nullopt;
  return jokes_[index];
}

JokePage JokeCollection::CurrentPage() const {
  std::lock_guard<std::mutex> guard(mutex_);
  JokePage page{index_, lastRead_, std::nullopt};
  if (index_ >= 0 && index_ < static_cast<int>(jokes_.size())) page.joke = jokes_[index_];
  return page;
}

bool JokeCollection::HasFile(int number) const {
  std::lock_guard<std::mutex> guard(mutex_);
  return std::any_of(files_.begin(), files_.end(), [number](const LoadedFile& f) { return f.number == number; });
}

int JokeCollection::FileCount() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return static_cast<int>(files_.size());
}

std::vector<int> JokeCollection::FileNumbers() const {
  std::lock_guard<std::mutex> guard(mutex_);
  std::vector<int> numbers;
  for (const LoadedFile& file : files_) numbers.push_back(file.number);
  return numbers;
}

std::vector<WString> JokeCollection::FilePaths() const {
  std::lock_guard<std::mutex> guard(mutex_);
  std::vector<WString> paths;
  for (const LoadedFile& file : files_) paths.push_back(file.path);
  return paths;
}

std::unique_lock<std::mutex> JokeCollection::AcquireJobLock(const StopToken& stop) {
  std::unique_lock<std::mutex> lock(jobMutex_, std::defer_lock);
  while (!stop.Requested() && !lock.try_lock()) stop.SleepFor(kJobLockPoll);
  if (lock.owns_lock() && stop.Requested()) lock.unlock();
  return lock;
}

bool JokeCollection::ClaimStartupLoad() {
  std::lock_guard<std::mutex> guard(mutex_);
  if (startupClaimed_) return false;
  startupClaimed_ = true;
  return true;
}

void JokeCollection::ClearFiles() {
  std::lock_guard<std::mutex> guard(mutex_);
  files_.clear();
  jokes_.clear();
  loaded_ = false;
  complete_ = false;
}

bool JokeCollection::AddFile(int number, WString path, std::vector<WString> jokes) {
  {
    std::lock_guard<std::mutex> guard(mutex_);
    auto place = std::find_if(files_.begin(), files_.end(), [number](const LoadedFile& f) { return f.number >= number; });
    if (place != files_.end() && place->number == number) return false;
    size_t at = 0;
    for (auto file = files_.begin(); file != place; ++file) at += file->jokes;
    const int added = static_cast<int>(jokes.size());
    const bool heldAJoke = index_ >= 0 && index_ < static_cast<int>(jokes_.size());
    files_.insert(place, LoadedFile{number, std::move(path), added});
    jokes_.insert(jokes_.begin() + static_cast<ptrdiff_t>(at), std::make_move_iterator(jokes.begin()),
                  std::make_move_iterator(jokes.end()));
    if (heldAJoke && static_cast<int>(at) <= index_ && added > 0) SetIndexLocked(index_ + added);
  }
  Notify(JokeEvent::Grew);
  return true;
}

void JokeCollection::MarkFirstFileDone() {
  {
    std::lock_guard<std::mutex> guard(mutex_);
    firstFileDone_ = true;
  }
  Notify(JokeEvent::FirstFile);
}

void JokeCollection::MarkLoaded() {
  {
    std::lock_guard<std::mutex> guard(mutex_);
    loaded_ = true;
  }
  Notify(JokeEvent::Loaded);
}

void JokeCollection::SetComplete(bool complete) {
  std::lock_guard<std::mutex> guard(mutex_);
  complete_ = complete;
}

void JokeCollection::SetLastRead(int lastRead) {
  std::lock_guard<std::mutex> guard(mutex_);
  lastRead_ = std::max(1, lastRead);
}

void JokeCollection::SetReaderOpen(bool open) {
  std::lock_guard<std::mutex> guard(mutex_);
  readerOpen_ = open;
}

void JokeCollection::SetIndexLocked(int index) {
  index_ = std::max(0, index);
  if (readerOpen_) lastRead_ = index_ < INT_MAX ? index_ + 1 : INT_MAX;
}

void JokeCollection::SetIndex(int index) {
  std::lock_guard<std::mutex> guard(mutex_);
  SetIndexLocked(index);
}

PageTurn JokeCollection::TurnPage(int step) {
  std::lock_guard<std::mutex> guard(mutex_);
  const int count = static_cast<int>(jokes_.size());
  if (count == 0) return PageTurn::Nothing;
  if (step > 0) {
    if (index_ >= count - 1) return PageTurn::AtLastPage;
    SetIndexLocked(index_ + 1);
    return PageTurn::Turned;
  }
  if (index_ == 0) return PageTurn::AtFirstPage;
  if (index_ >= count) return PageTurn::Nothing;
  SetIndexLocked(index_ - 1);
  return PageTurn::Turned;
}

bool JokeCollection::FixIndex() {
  std::lock_guard<std::mutex> guard(mutex_);
  if (jokes_.empty() || (index_ >= 0 && index_ < static_cast<int>(jokes_.size()))) return false;
  SetIndexLocked(0);
  return true;
}

}  // namespace tarvo
