#pragma once
// The account server's store: accounts and uploaded jokes in one SQLite
// database in WAL mode with synchronous=FULL. One writer thread commits the
// queued writes in batches; a write call returns only after its commit.
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

struct sqlite3;

namespace tarvo::servers {

struct HelloIdentity {
  std::string simId, cellId, version, model;
};

struct StoredJoke {
  std::string userName, title, category, body;
};

class AccountStore {
 public:
  // Opens or creates the database; a new one gets the sample accounts of
  // sampleDir/accounts.txt ("name,password" lines). nullptr on failure.
  static std::unique_ptr<AccountStore> Open(const std::string& path, const std::string& sampleDir,
                                            std::string* error);
  ~AccountStore();

  enum class Check { kUnknown, kMatch, kMismatch, kFailed };
  Check CheckPassword(const std::string& name, const std::string& password);
  bool HasAccount(const std::string& name);

  enum class Registration { kRegistered, kExists, kFailed };
  // Of two racing registrations of a name, one is kRegistered, the other kExists.
  Registration Register(const std::string& name, const std::string& password,
                        const HelloIdentity& identity);
  bool StoreJoke(const StoredJoke& joke);

  // For tests and the probe: the jokes stored, oldest first.
  std::vector<StoredJoke> Jokes();
  // PRAGMA integrity_check's first line: "ok" for a sound database.
  std::string IntegrityCheck();

 private:
  AccountStore() = default;
  struct Write {
    std::function<int(sqlite3*)> run;  // the statement's outcome code
    std::promise<int> done;
  };
  int Enqueue(std::function<int(sqlite3*)> run);
  void WriterLoop();

  sqlite3* reader_ = nullptr;
  sqlite3* writer_ = nullptr;
  std::mutex readMutex_;
  std::mutex queueMutex_;
  std::condition_variable queued_;
  std::deque<std::unique_ptr<Write>> queue_;
  bool stopping_ = false;
  std::thread writerThread_;
};

// Salted SHA-256 of the password, as lower-case hex.
std::string PasswordHash(const std::string& salt, const std::string& password);
// n random bytes from the system's generator.
std::string RandomBytes(size_t n);

}  // namespace tarvo::servers
