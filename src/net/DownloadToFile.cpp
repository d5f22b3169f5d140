#include "net/DownloadToFile.h"

#include <algorithm>
#include <string>
#include <vector>

#include "net/DownloadAttempts.h"
#include "net/FetchUrl.h"
#include "platform/net/HttpTransport.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

constexpr size_t kReadSize = kDownloadReadSize;

bool Stopped(const std::atomic<bool>* stop) { return stop != nullptr && stop->load(); }

// One attempt; true when the server responded. body then holds the whole
// body when complete is set.
bool Attempt(const std::string& address, const std::vector<std::string>& headers,
             HttpFetchTimeouts timeouts, const std::atomic<bool>* stop, std::string& body,
             bool& complete) {
  HttpGetOptions options;
  options.connectTimeout = timeouts.connect;
  options.requestTimeout = timeouts.request;
  options.readTimeout = timeouts.read;
  options.headers = headers;
  options.readSize = kReadSize;
  options.stop = stop;
  bool responded = false;
  bool tooLarge = false;
  HttpGetCallbacks callbacks;
  callbacks.onResponse = [&](long, long long length) {
    responded = true;
    if (length > 0) body.reserve(static_cast<size_t>(std::min<long long>(length, HttpFetch::kMaxContent)));
    return true;
  };
  callbacks.onRead = [&](std::string_view bytes) {
    if (body.size() + bytes.size() > HttpFetch::kMaxContent) {
      tooLarge = true;
      return false;
    }
    body.append(bytes);
    return true;
  };
  const HttpOutcome outcome = HttpGet(address, options, callbacks);
  complete = outcome == HttpOutcome::Completed && !tooLarge;
  return responded;
}

}  // namespace

void DownloadToFile(WStringView url, FileAccess& files, WStringView filePath,
                    HttpFetchTimeouts timeouts, const std::atomic<bool>* stop) {
  const std::string address = EscapeRequestBytes(ToUtf8(url));
  for (const auto& headers : DownloadAttemptHeaders()) {
    if (Stopped(stop)) break;
    std::string body;
    bool complete = false;
    const bool responded = Attempt(address, headers, timeouts, stop, body, complete);
    if (complete && files.WriteAtomically(filePath, body)) return;
    if (responded) break;
  }
  if (files.FileExists(filePath)) files.DeleteFile(filePath);
}

}  // namespace tarvo
