#include "net/HttpFetch.h"

#include <algorithm>
#include <cstdio>

#include "net/FetchUrl.h"
#include "platform/device/DebugOutput.h"
#include "platform/net/BodyMemory.h"
#include "platform/net/HttpTransport.h"

namespace tarvo {
namespace {

void TraceStatus(int context, int status) {
  char line[64];
  std::snprintf(line, sizeof line, "dwContext:%d dwInternetStatus:%d\n", context, status);
  DebugTrace(std::string_view(line));
}

}  // namespace

HttpFetch::HttpFetch(WStringView url, HttpFetchTimeouts timeouts,
                     const std::atomic<bool>* stop) {
  Run(url, nullptr, u"", timeouts, stop);
}

HttpFetch::HttpFetch(WStringView url, FileAccess& files, WStringView filePath,
                     HttpFetchTimeouts timeouts, const std::atomic<bool>* stop) {
  Run(url, &files, filePath, timeouts, stop);
}

void HttpFetch::Run(WStringView url, FileAccess* files, WStringView filePath,
                    HttpFetchTimeouts timeouts, const std::atomic<bool>* stop) {
  if (stop != nullptr && stop->load()) return;
  auto target = ParseFetchUrl(url);
  std::unique_ptr<FileWriter> file;
  bool fileFailed = false;
  bool tooLarge = false;
  if (!target) {
    // Nothing is requested, but the file mode still opens (and empties) its file.
    if (files != nullptr) file = files->OpenForWriting(filePath);
    return;
  }
  HttpGetOptions options;
  options.connectTimeout = timeouts.connect;
  options.requestTimeout = timeouts.request;
  options.readTimeout = timeouts.read;
  options.headers = {"Cache-Control: no-cache", "Pragma: no-cache"};
  options.stop = stop;
  size_t total = 0;
  HttpGetCallbacks callbacks;
  callbacks.onStatus = &TraceStatus;
  callbacks.onResponse = [&](long, long long length) {
    // One allocation for an announced body; growing a large string step by
    // step costs more in fresh pages than the transfer itself.
    if (length > 0) ReserveBody(content_, static_cast<size_t>(std::min<long long>(length, kMaxContent)));
    if (files == nullptr) return true;
    file = files->OpenForWriting(filePath);
    fileFailed = file == nullptr;
    return !fileFailed;
  };
  callbacks.onRead = [&](std::string_view bytes) {
    total += bytes.size();
    if (total > kMaxContent) {
      tooLarge = true;
      return false;
    }
    if (file && !file->Write(bytes)) {
      fileFailed = true;
      return false;
    }
    content_.append(bytes.substr(0, bytes.find('\0')));
    return true;
  };
  const HttpOutcome outcome = HttpGet(target->Url(), options, callbacks);
  if (outcome == HttpOutcome::Cancelled && stop != nullptr && stop->load()) {
    // Stopped: nothing of the transfer stays, not even a partial file.
    std::string().swap(content_);
    if (file) {
      file.reset();
      files->DeleteFile(filePath);
    }
    return;
  }
  if (outcome == HttpOutcome::NotConnected || outcome == HttpOutcome::RequestFailed) {
    // The request never got a response; in file mode the file is still made.
    if (files != nullptr && !file) file = files->OpenForWriting(filePath);
  }
  const bool usable = outcome == HttpOutcome::Completed || outcome == HttpOutcome::Broken;
  if (!usable || fileFailed || tooLarge) {
    if (tooLarge) DebugTrace("HttpFetch: the body exceeds 16 MiB\n");
    succeeded_ = false;
    return;
  }
  succeeded_ = !content_.empty();
}

}  // namespace tarvo
