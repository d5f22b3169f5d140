#include "net/DownloadToFile.h"

#include <memory>

#include "net/FetchUrl.h"
#include "platform/net/HttpTransport.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

constexpr size_t kReadSize = 1023;

// The four ways the address is tried, in order, until one gives a response:
// reload without cache and with the no-cache pragma, plain, reload, and last
// direct, ignoring any proxy.
struct Attempt {
  std::vector<std::string> headers;
  bool direct;
};

}  // namespace

void DownloadToFile(WStringView url, FileAccess& files, WStringView filePath,
                    HttpFetchTimeouts timeouts) {
  const std::string address = EscapeRequestBytes(ToUtf8(url));
  const Attempt attempts[] = {
      {{"Cache-Control: no-cache", "Pragma: no-cache"}, false},
      {{}, false},
      {{"Cache-Control: no-cache"}, false},
      {{}, true},
  };
  for (const Attempt& attempt : attempts) {
    HttpGetOptions options;
    options.connectTimeout = timeouts.connect;
    options.requestTimeout = timeouts.request;
    options.readTimeout = timeouts.read;
    options.headers = attempt.headers;
    options.readSize = kReadSize;
    options.proxy = "";  // no proxy is configured for the device; the fourth try is direct anyway
    std::unique_ptr<FileWriter> file;
    bool responded = false;
    HttpGetCallbacks callbacks;
    callbacks.onResponse = [&](long, long long) {
      responded = true;
      file = files.OpenForWriting(filePath);
      return file != nullptr;
    };
    callbacks.onRead = [&](std::string_view bytes) { return file && file->Write(bytes); };
    HttpGet(address, options, callbacks);
    if (responded) return;
  }
}

}  // namespace tarvo
