#include "FaultDelivery.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <random>

#include "HttpDate.h"

namespace tarvo::servers {
namespace {

using namespace std::chrono_literals;
using Type = FaultKind::Type;

constexpr auto kLongestStall = 60s;
constexpr size_t kGarbageBytes = 1024;
constexpr size_t kPiece = 16384;  // a provider's largest single write
// Shaped like a date, but with no field in range.
constexpr char kNotADate[] = "Sun, 99 Foo 0000 99:99:99 GMT";

std::string RandomBytes(size_t count) {
  std::random_device seed;
  std::mt19937 random(seed());
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  if (!bytes.empty()) bytes[0] = '\xFF';  // never the start of text
  return bytes;
}

void SetBody(httplib::Response& response, const Answer& answer) {
  response.status = answer.status;
  response.set_content(answer.body, answer.contentType);
}

// Sends the body from the offset on, at most `limit` bytes in this call.
bool WritePiece(const std::string& body, size_t offset, size_t limit, httplib::DataSink& sink) {
  const size_t count = std::min({limit, kPiece, body.size() - offset});
  return sink.write(body.data() + offset, count);
}

}  // namespace

void Deliver(Answer answer, const std::optional<FaultKind>& fault, httplib::Response& response,
             const StopSignal& stop) {
  const bool dated = !fault || (fault->type != Type::NoDate && fault->type != Type::BadDate);
  if (dated) response.set_header("Date", answer.date.empty() ? HttpDate(std::time(nullptr)) : answer.date);
  if (!fault) return SetBody(response, answer);
  const FaultKind kind = *fault;
  auto body = std::make_shared<const std::string>(std::move(answer.body));
  response.status = answer.status;
  switch (kind.type) {
    case Type::Stall:
      stop.WaitFor(kLongestStall);
      response.set_content(*body, answer.contentType);
      return;
    case Type::Status:
      return SetBody(response, ErrorPage(kind.status));
    case Type::Garbage:
      return SetBody(response, {200, "application/octet-stream", RandomBytes(kGarbageBytes)});
    case Type::Empty:
      return SetBody(response, {200, answer.contentType, ""});
    case Type::NoDate:
      return SetBody(response, {answer.status, answer.contentType, *body});
    case Type::BadDate:
      response.set_header("Date", kNotADate);
      return SetBody(response, {answer.status, answer.contentType, *body});
    case Type::NoLength:
      response.set_header("Connection", "close");  // the close ends the body
      response.set_content_provider(
          answer.contentType, [body](size_t offset, httplib::DataSink& sink) {
            if (offset < body->size()) return WritePiece(*body, offset, kPiece, sink);
            return false;  // closes the connection, which ends the body
          });
      return;
    case Type::StallBody:
    case Type::Reset:
    case Type::Trickle:
      break;
  }
  if (body->empty()) return SetBody(response, {answer.status, answer.contentType, ""});
  response.set_content_provider(
      body->size(), answer.contentType,
      [body, kind, &stop](size_t offset, size_t, httplib::DataSink& sink) {
        if (kind.type == Type::Trickle) {
          if (offset > 0 && stop.WaitFor(std::chrono::milliseconds(kind.intervalMs))) return false;
          return WritePiece(*body, offset, kind.bytes, sink);
        }
        if (offset < kind.bytes) return WritePiece(*body, offset, kind.bytes - offset, sink);
        if (kind.type == Type::StallBody) stop.WaitFor(kLongestStall);
        return false;  // drops the connection before the announced length
      });
}

}  // namespace tarvo::servers
