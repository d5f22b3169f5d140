#include "net/DownloadWithProgress.h"

#include <algorithm>

#include "net/DownloadAttempts.h"
#include "net/FetchUrl.h"
#include "platform/net/HttpTransport.h"
#include "platform/text/Utf8.h"

namespace tarvo {

int DownloadTenths::AfterRead(long long receivedBytes) {
  if (length_ >= 10) return static_cast<int>(std::min<long long>(receivedBytes / (length_ / 10), 10));
  counted_ = std::min(counted_ + 1, 10);
  return counted_;
}

DownloadResult DownloadWithProgress(WStringView url, FileAccess& files, WStringView filePath,
                                    const std::function<void(int tenth)>& onTenth, HttpFetchTimeouts timeouts,
                                    const std::atomic<bool>* stop) {
  const std::string address = EscapeRequestBytes(ToUtf8(url));
  DownloadResult result;
  for (const auto& headers : DownloadAttemptHeaders()) {
    if (stop != nullptr && stop->load()) break;
    HttpGetOptions options;
    options.connectTimeout = timeouts.connect;
    options.requestTimeout = timeouts.request;
    options.readTimeout = timeouts.read;
    options.headers = headers;
    options.readSize = kDownloadReadSize;
    options.stop = stop;
    bool responded = false;
    bool writeFailed = false;
    std::unique_ptr<FileWriter> writer;
    std::optional<DownloadTenths> tenths;
    int lastTenth = 0;
    result = DownloadResult();
    HttpGetCallbacks callbacks;
    callbacks.onResponse = [&](long status, long long length) {
      responded = true;
      result.status = status;
      result.length = length;
      tenths.emplace(length < 0 ? 0 : length);
      writer = files.OpenForWriting(filePath);
      writeFailed = writer == nullptr;
      return !writeFailed;
    };
    callbacks.onRead = [&](std::string_view bytes) {
      if (!writer->Write(bytes)) {
        writeFailed = true;
        return false;
      }
      result.received += static_cast<long long>(bytes.size());
      const int tenth = tenths->AfterRead(result.received);
      if (tenth != lastTenth) {
        lastTenth = tenth;
        if (onTenth) onTenth(tenth);
      }
      return true;
    };
    const HttpOutcome outcome = HttpGet(address, options, callbacks);
    writer.reset();
    result.complete = outcome == HttpOutcome::Completed && !writeFailed && result.status == 200 &&
                      result.received > 0 && (result.length < 0 || result.length == result.received);
    if (responded) break;
  }
  if (!result.complete && files.FileExists(filePath)) files.DeleteFile(filePath);
  return result;
}

}  // namespace tarvo
