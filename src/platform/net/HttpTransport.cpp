#include "platform/net/HttpTransport.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

namespace tarvo {
namespace {

using Clock = std::chrono::steady_clock;

// Status numbers of the progress traces, as the phone's HTTP library numbers them.
constexpr int kHandleCreated = 60;
constexpr int kResponseReceived = 41;
constexpr int kRequestComplete = 100;

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
  const HttpGetOptions* options = nullptr;
  const HttpGetCallbacks* callbacks = nullptr;
  CURL* easy = nullptr;
  std::string pending;
  HttpHeaders headers;  // of the response being read
  bool connected = false;
  bool headersDone = false;
  bool cancelled = false;
  Clock::time_point lastActivity = Clock::now();

  // The final response's headers are in: tell the caller once.
  bool Respond() {
    if (headersDone) return !cancelled;
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 100 && status < 200) return true;  // an interim answer
    headersDone = true;
    Status(2, kResponseReceived);
    if (callbacks->onHeaders) callbacks->onHeaders(headers);
    curl_off_t length = -1;
    curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    if (callbacks->onResponse && !callbacks->onResponse(status, length)) cancelled = true;
    return !cancelled;
  }

  void Status(int context, int status) const {
    if (callbacks->onStatus) callbacks->onStatus(context, status);
  }

  bool Read(std::string_view bytes) {
    if (callbacks->onRead && !callbacks->onRead(bytes)) cancelled = true;
    return !cancelled;
  }

  // Takes bytes from curl and hands out full reads, straight from curl's
  // buffer where possible; only an incomplete read is kept back.
  bool Take(std::string_view data) {
    if (!pending.empty()) {
      const size_t fill = std::min(options->readSize - pending.size(), data.size());
      pending.append(data.substr(0, fill));
      data.remove_prefix(fill);
      if (pending.size() < options->readSize) return true;
      if (!Read(pending)) return false;
      pending.clear();
    }
    while (data.size() >= options->readSize) {
      if (!Read(data.substr(0, options->readSize))) return false;
      data.remove_prefix(options->readSize);
    }
    pending.assign(data);
    return true;
  }

  // Hands out full reads; with flushAll also the shorter rest.
  bool Deliver(bool flushAll) {
    size_t offset = 0;
    while (!cancelled && (pending.size() - offset >= options->readSize ||
                          (flushAll && offset < pending.size()))) {
      size_t n = std::min(options->readSize, pending.size() - offset);
      if (callbacks->onRead && !callbacks->onRead(std::string_view(pending).substr(offset, n)))
        cancelled = true;
      offset += n;
    }
    pending.erase(0, offset);
    return !cancelled;
  }
};

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const size_t bytes = size * count;
  transfer->lastActivity = Clock::now();
  std::string_view line(data, bytes);
  if (line == "\r\n" || line == "\n") return transfer->Respond() ? bytes : 0;
  if (line.substr(0, 5) == "HTTP/") {
    transfer->headers.clear();  // a new response (after an interim one or a redirect)
    return bytes;
  }
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  const size_t colon = line.find(':');
  if (colon != std::string_view::npos) {
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    transfer->headers.emplace_back(std::string(line.substr(0, colon)), std::string(value));
  }
  return bytes;
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const size_t bytes = size * count;
  transfer->lastActivity = Clock::now();
  if (!transfer->Respond()) return 0;
  return transfer->Take(std::string_view(data, bytes)) ? bytes : 0;
}

int OnConnected(void* user, char*, char*, int, int) {
  auto* transfer = static_cast<Transfer*>(user);
  transfer->connected = true;
  transfer->lastActivity = Clock::now();
  transfer->Status(1, kHandleCreated);
  transfer->Status(2, kHandleCreated);
  return CURL_PREREQFUNC_OK;
}

}  // namespace

HttpOutcome HttpGet(const std::string& url, const HttpGetOptions& options,
                    const HttpGetCallbacks& callbacks) {
  InitialiseCurlOnce();
  CURL* easy = curl_easy_init();
  CURLM* multi = curl_multi_init();
  Transfer transfer;
  transfer.pending.reserve(options.readSize);
  transfer.options = &options;
  transfer.callbacks = &callbacks;
  transfer.easy = easy;
  if (easy == nullptr || multi == nullptr) {
    if (easy) curl_easy_cleanup(easy);
    if (multi) curl_multi_cleanup(multi);
    return HttpOutcome::NotConnected;
  }
  // "Accept:" with no value keeps curl from adding its own.
  curl_slist* headers = curl_slist_append(nullptr, options.acceptHeader ? "Accept: */*" : "Accept:");
  for (const auto& header : options.headers) headers = curl_slist_append(headers, header.c_str());
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_PROXY, options.proxy.c_str());
  curl_easy_setopt(easy, CURLOPT_USERAGENT, options.userAgent.c_str());
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.connectTimeout.count()));
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &OnHeader);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &OnBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &OnConnected);
  curl_easy_setopt(easy, CURLOPT_PREREQDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
#if CURL_AT_LEAST_VERSION(7, 87, 0)
  // A transfer stopped while a name is still being resolved leaves the
  // resolver thread to finish on its own instead of waiting for it.
  curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
#endif
  curl_multi_add_handle(multi, easy);

  HttpOutcome outcome = HttpOutcome::Completed;
  bool finished = false;
  CURLcode result = CURLE_OK;
  const auto stopped = [&options] { return options.stop != nullptr && options.stop->load(); };
  while (!finished) {
    if (stopped()) {
      outcome = HttpOutcome::Cancelled;
      break;
    }
    int running = 0;
    curl_multi_perform(multi, &running);
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
      if (message->msg == CURLMSG_DONE) {
        result = message->data.result;
        finished = true;
      }
    }
    if (finished) break;
    const auto idle = Clock::now() - transfer.lastActivity;
    if (transfer.connected && !transfer.headersDone && idle > options.requestTimeout) {
      outcome = HttpOutcome::RequestFailed;
      break;
    }
    if (transfer.headersDone && idle > options.readTimeout) {
      outcome = HttpOutcome::TimedOut;
      break;
    }
    // Wait as long as curl asks (it may hold data it has not handed out
    // yet), but never long enough to miss a time-out or the stop flag.
    long wanted = -1;
    curl_multi_timeout(multi, &wanted);
    const long most = kStopCheckInterval.count();
    const int wait = wanted < 0 ? most : static_cast<int>(std::min<long>(wanted, most));
    if (wait > 0) curl_multi_poll(multi, nullptr, 0, wait, nullptr);
  }
  if (finished) {
    if (transfer.cancelled || result == CURLE_WRITE_ERROR) {
      outcome = HttpOutcome::Cancelled;
    } else if (result == CURLE_OK) {
      transfer.Deliver(true);
      outcome = transfer.cancelled ? HttpOutcome::Cancelled : HttpOutcome::Completed;
    } else if (!transfer.connected) {
      outcome = HttpOutcome::NotConnected;
    } else if (!transfer.headersDone) {
      outcome = HttpOutcome::RequestFailed;
    } else {
      transfer.Deliver(true);  // what arrived before the break still counts
      outcome = transfer.cancelled ? HttpOutcome::Cancelled : HttpOutcome::Broken;
    }
  }
  if (outcome == HttpOutcome::Completed) transfer.Status(2, kRequestComplete);
  curl_multi_remove_handle(multi, easy);
  curl_easy_cleanup(easy);
  curl_multi_cleanup(multi);
  curl_slist_free_all(headers);
  return outcome;
}

}  // namespace tarvo
