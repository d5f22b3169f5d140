#pragma once
// Every request the stand-ins receive, kept for tests and, when asked for,
// written to a file one line each (see FormatLogLine).
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "LoggedRequest.h"

namespace tarvo::servers {

// "TIME METHOD TARGET Name: value | Name: value", tabs, CR and LF inside
// any field replaced by blanks.
std::string FormatLogLine(const LoggedRequest& request);

// "2026-12-07T01:02:03.456Z".
std::string UtcTimestamp(std::chrono::system_clock::time_point when);

class RequestLog {
 public:
  RequestLog() = default;
  ~RequestLog();
  RequestLog(const RequestLog&) = delete;
  RequestLog& operator=(const RequestLog&) = delete;

  // Appends the lines from now on to that file as well; false (with the
  // reason) when it cannot be opened.
  bool WriteTo(const std::string& file, std::string* error);
  void Add(LoggedRequest request);
  std::vector<LoggedRequest> Requests() const;
  // True once at least `count` requests arrived; false at the deadline.
  bool WaitFor(size_t count, std::chrono::steady_clock::time_point deadline) const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable arrived_;
  std::vector<LoggedRequest> requests_;
  std::FILE* file_ = nullptr;
};

}  // namespace tarvo::servers
