#include "RequestLog.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <strings.h>

namespace tarvo::servers {
namespace {

std::string Flat(std::string text) {
  for (char& c : text)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

std::string LoggedRequest::Header(const std::string& name) const {
  for (const auto& [key, value] : headers)
    if (strcasecmp(key.c_str(), name.c_str()) == 0) return value;
  return "";
}

std::string UtcTimestamp(std::chrono::system_clock::time_point when) {
  using namespace std::chrono;
  const auto millis = duration_cast<milliseconds>(when.time_since_epoch()).count();
  const std::time_t seconds = static_cast<std::time_t>(millis / 1000);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[40];
  const size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
  std::snprintf(text + length, sizeof text - length, ".%03dZ", static_cast<int>(millis % 1000));
  return text;
}

std::string FormatLogLine(const LoggedRequest& request) {
  std::string line = Flat(request.time) + " " + Flat(request.method) + " " + Flat(request.target);
  const char* separator = " ";
  for (const auto& [name, value] : request.headers) {
    line += separator + Flat(name) + ": " + Flat(value);
    separator = " | ";
  }
  return line;
}

RequestLog::~RequestLog() {
  if (file_ != nullptr) std::fclose(file_);
}

bool RequestLog::WriteTo(const std::string& file, std::string* error) {
  std::FILE* opened = std::fopen(file.c_str(), "a");
  if (opened == nullptr) {
    if (error != nullptr) *error = "cannot write the request log " + file + ": " + std::strerror(errno);
    return false;
  }
  std::lock_guard lock(mutex_);
  if (file_ != nullptr) std::fclose(file_);
  file_ = opened;
  return true;
}

void RequestLog::Add(LoggedRequest request) {
  std::lock_guard lock(mutex_);
  if (file_ != nullptr) {
    const std::string line = FormatLogLine(request) + "\n";
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
  }
  requests_.push_back(std::move(request));
  arrived_.notify_all();
}

std::vector<LoggedRequest> RequestLog::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

bool RequestLog::WaitFor(size_t count, std::chrono::steady_clock::time_point deadline) const {
  std::unique_lock lock(mutex_);
  return arrived_.wait_until(lock, deadline, [&] { return requests_.size() >= count; });
}

}  // namespace tarvo::servers
