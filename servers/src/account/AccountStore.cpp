#include "account/AccountStore.h"

#include <openssl/rand.h>
#include <openssl/sha.h>
#include <sqlite3.h>

#include <ctime>
#include <fstream>
#include <vector>

namespace tarvo::servers {
namespace {

constexpr size_t kBatchLimit = 512;
constexpr int kBusyTimeoutMs = 10000;

std::string Hex(const unsigned char* bytes, size_t size) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (size_t i = 0; i < size; ++i) {
    hex += kDigits[bytes[i] >> 4];
    hex += kDigits[bytes[i] & 15];
  }
  return hex;
}

bool Exec(sqlite3* db, const char* sql, std::string* error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
  if (error != nullptr) *error = message != nullptr ? message : "sqlite error";
  sqlite3_free(message);
  return false;
}

sqlite3* OpenConnection(const std::string& path, std::string* error) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    if (error != nullptr) *error = db != nullptr ? sqlite3_errmsg(db) : "cannot open " + path;
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  return db;
}

// A prepared statement with its parameters bound as text, finalised on exit.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql, std::initializer_list<std::string> texts) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) return;
    int index = 1;
    for (const auto& text : texts) {
      sqlite3_bind_text(statement_, index++, text.data(), static_cast<int>(text.size()),
                        SQLITE_TRANSIENT);
    }
  }
  ~Statement() { sqlite3_finalize(statement_); }
  int Step() { return statement_ != nullptr ? sqlite3_step(statement_) : SQLITE_ERROR; }
  void BindInt(int index, long long value) { sqlite3_bind_int64(statement_, index, value); }
  std::string Column(int index) {
    auto* text = sqlite3_column_text(statement_, index);
    return text != nullptr ? reinterpret_cast<const char*>(text) : "";
  }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace

std::string PasswordHash(const std::string& salt, const std::string& password) {
  std::string input = salt + password;
  unsigned char digest[SHA256_DIGEST_LENGTH];
  SHA256(reinterpret_cast<const unsigned char*>(input.data()), input.size(), digest);
  return Hex(digest, sizeof digest);
}

std::string RandomBytes(size_t n) {
  std::string bytes(n, '\0');
  RAND_bytes(reinterpret_cast<unsigned char*>(bytes.data()), static_cast<int>(n));
  return bytes;
}

std::unique_ptr<AccountStore> AccountStore::Open(const std::string& path,
                                                 const std::string& sampleDir,
                                                 std::string* error) {
  std::unique_ptr<AccountStore> store(new AccountStore);
  store->writer_ = OpenConnection(path, error);
  if (store->writer_ == nullptr) return nullptr;
  if (!Exec(store->writer_,
            "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"
            "CREATE TABLE IF NOT EXISTS accounts(name TEXT PRIMARY KEY, salt TEXT NOT NULL,"
            " hash TEXT NOT NULL, created INTEGER NOT NULL, simid TEXT, cellid TEXT,"
            " version TEXT, model TEXT);"
            "CREATE TABLE IF NOT EXISTS jokes(id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " username TEXT NOT NULL, title TEXT NOT NULL, category TEXT NOT NULL,"
            " body TEXT NOT NULL, created INTEGER NOT NULL);",
            error)) {
    return nullptr;
  }
  store->reader_ = OpenConnection(path, error);
  if (store->reader_ == nullptr) return nullptr;
  Exec(store->reader_, "PRAGMA synchronous=FULL;", nullptr);
  store->writerThread_ = std::thread([raw = store.get()] { raw->WriterLoop(); });
  bool fresh = false;
  {
    Statement count(store->reader_, "SELECT COUNT(*) FROM accounts", {});
    fresh = count.Step() == SQLITE_ROW && count.Column(0) == "0";
  }
  if (fresh) {
    std::ifstream samples(sampleDir + "/accounts.txt");
    std::string line;
    while (std::getline(samples, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      auto comma = line.find(',');
      if (line.empty() || line[0] == '#' || comma == std::string::npos) continue;
      store->Register(line.substr(0, comma), line.substr(comma + 1), {});
    }
  }
  return store;
}

AccountStore::~AccountStore() {
  {
    std::lock_guard<std::mutex> guard(queueMutex_);
    stopping_ = true;
  }
  queued_.notify_all();
  if (writerThread_.joinable()) writerThread_.join();
  sqlite3_close(reader_);
  sqlite3_close(writer_);
}

int AccountStore::Enqueue(std::function<int(sqlite3*)> run) {
  auto write = std::make_unique<Write>();
  write->run = std::move(run);
  auto done = write->done.get_future();
  {
    std::lock_guard<std::mutex> guard(queueMutex_);
    if (stopping_) return SQLITE_ERROR;
    queue_.push_back(std::move(write));
  }
  queued_.notify_one();
  return done.get();
}

void AccountStore::WriterLoop() {
  while (true) {
    std::vector<std::unique_ptr<Write>> batch;
    {
      std::unique_lock<std::mutex> lock(queueMutex_);
      queued_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;  // stopping, nothing left
      while (!queue_.empty() && batch.size() < kBatchLimit) {
        batch.push_back(std::move(queue_.front()));
        queue_.pop_front();
      }
    }
    std::vector<int> codes;
    bool began = Exec(writer_, "BEGIN IMMEDIATE", nullptr);
    for (auto& write : batch) codes.push_back(began ? write->run(writer_) : SQLITE_ERROR);
    bool committed = began && Exec(writer_, "COMMIT", nullptr);
    if (began && !committed) Exec(writer_, "ROLLBACK", nullptr);
    // Acknowledged only now, after the commit.
    for (size_t i = 0; i < batch.size(); ++i) {
      batch[i]->done.set_value(committed ? codes[i] : SQLITE_ERROR);
    }
  }
}

AccountStore::Check AccountStore::CheckPassword(const std::string& name,
                                                const std::string& password) {
  std::lock_guard<std::mutex> guard(readMutex_);
  Statement select(reader_, "SELECT salt, hash FROM accounts WHERE name = ?1", {name});
  int code = select.Step();
  if (code == SQLITE_DONE) return Check::kUnknown;
  if (code != SQLITE_ROW) return Check::kFailed;
  return PasswordHash(select.Column(0), password) == select.Column(1) ? Check::kMatch
                                                                       : Check::kMismatch;
}

bool AccountStore::HasAccount(const std::string& name) {
  std::lock_guard<std::mutex> guard(readMutex_);
  Statement select(reader_, "SELECT 1 FROM accounts WHERE name = ?1", {name});
  return select.Step() == SQLITE_ROW;
}

AccountStore::Registration AccountStore::Register(const std::string& name,
                                                  const std::string& password,
                                                  const HelloIdentity& identity) {
  std::string salt = Hex(reinterpret_cast<const unsigned char*>(RandomBytes(16).data()), 16);
  std::string hash = PasswordHash(salt, password);
  int code = Enqueue([&](sqlite3* db) {
    Statement insert(db,
                     "INSERT OR IGNORE INTO accounts(name, salt, hash, created, simid, cellid,"
                     " version, model) VALUES(?1, ?2, ?3, ?8, ?4, ?5, ?6, ?7)",
                     {name, salt, hash, identity.simId, identity.cellId, identity.version,
                      identity.model});
    insert.BindInt(8, static_cast<long long>(std::time(nullptr)));
    int step = insert.Step();
    if (step != SQLITE_DONE) return SQLITE_ERROR;
    return sqlite3_changes(db) == 1 ? SQLITE_OK : SQLITE_CONSTRAINT;
  });
  if (code == SQLITE_OK) return Registration::kRegistered;
  if (code == SQLITE_CONSTRAINT) return Registration::kExists;
  return Registration::kFailed;
}

bool AccountStore::StoreJoke(const StoredJoke& joke) {
  int code = Enqueue([&](sqlite3* db) {
    Statement insert(db,
                     "INSERT INTO jokes(username, title, category, body, created)"
                     " VALUES(?1, ?2, ?3, ?4, ?5)",
                     {joke.userName, joke.title, joke.category, joke.body});
    insert.BindInt(5, static_cast<long long>(std::time(nullptr)));
    return insert.Step() == SQLITE_DONE ? SQLITE_OK : SQLITE_ERROR;
  });
  return code == SQLITE_OK;
}

std::vector<StoredJoke> AccountStore::Jokes() {
  std::lock_guard<std::mutex> guard(readMutex_);
  Statement select(reader_, "SELECT username, title, category, body FROM jokes ORDER BY id", {});
  std::vector<StoredJoke> jokes;
  while (select.Step() == SQLITE_ROW) {
    jokes.push_back({select.Column(0), select.Column(1), select.Column(2), select.Column(3)});
  }
  return jokes;
}

std::string AccountStore::IntegrityCheck() {
  std::lock_guard<std::mutex> guard(readMutex_);
  Statement check(reader_, "PRAGMA integrity_check", {});
  return check.Step() == SQLITE_ROW ? check.Column(0) : "no answer";
}

}  // namespace tarvo::servers
