#include "timesync/HttpDate.h"

#include <array>

namespace tarvo {
namespace {

constexpr std::array<std::string_view, 7> kShortDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Reads the text from left to right; every step fails once one has failed.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool Literal(std::string_view expected) {
    if (text_.substr(0, expected.size()) != expected) return Fail();
    text_.remove_prefix(expected.size());
    return ok_;
  }
  // Exactly `count` digits.
  int Digits(size_t count) {
    int value = 0;
    for (size_t i = 0; i < count; ++i) {
      if (i >= text_.size() || text_[i] < '0' || text_[i] > '9') {
        Fail();
        return 0;
      }
      value = value * 10 + (text_[i] - '0');
    }
    text_.remove_prefix(count);
    return value;
  }
  // One of the names; its index, or -1.
  template <size_t N>
  int Name(const std::array<std::string_view, N>& names) {
    for (size_t i = 0; i < N; ++i) {
      if (text_.substr(0, names[i].size()) == names[i]) {
        text_.remove_prefix(names[i].size());
        return static_cast<int>(i);
      }
    }
    Fail();
    return -1;
  }
  // "HH:MM:SS".
  void Clock(SystemTime& time) {
    time.hour = Digits(2);
    Literal(":");
    time.minute = Digits(2);
    Literal(":");
    time.second = Digits(2);
  }
  bool AtEnd() const { return ok_ && text_.empty(); }
  bool Ok() const { return ok_; }
  std::string_view Rest() const { return text_; }

 private:
  bool Fail() {
    ok_ = false;
    return false;
  }
  std::string_view text_;
  bool ok_ = true;
};

// "Sun, 06 Nov 1994 08:49:37 GMT"
bool ReadFixDate(std::string_view text, SystemTime& time) {
  Reader in(text);
  in.Name(kShortDays);
  in.Literal(", ");
  time.day = in.Digits(2);
  in.Literal(" ");
  time.month = in.Name(kMonths) + 1;
  in.Literal(" ");
  time.year = in.Digits(4);
  in.Literal(" ");
  in.Clock(time);
  in.Literal(" GMT");
  return in.AtEnd();
}

// "Sunday, 06-Nov-94 08:49:37 GMT"
bool ReadRfc850Date(std::string_view text, SystemTime& time) {
  Reader in(text);
  in.Name(kLongDays);
  in.Literal(", ");
  time.day = in.Digits(2);
  in.Literal("-");
  time.month = in.Name(kMonths) + 1;
  in.Literal("-");
  const int year = in.Digits(2);
  time.year = year >= 70 ? 1900 + year : 2000 + year;
  in.Literal(" ");
  in.Clock(time);
  in.Literal(" GMT");
  return in.AtEnd();
}

// "Sun Nov  6 08:49:37 1994" (a one-digit day after a blank)
bool ReadAsctimeDate(std::string_view text, SystemTime& time) {
  Reader in(text);
  in.Name(kShortDays);
  in.Literal(" ");
  time.month = in.Name(kMonths) + 1;
  in.Literal(" ");
  if (!in.Rest().empty() && in.Rest()[0] == ' ') {
    in.Literal(" ");
    time.day = in.Digits(1);
  } else {
    time.day = in.Digits(2);
  }
  in.Literal(" ");
  in.Clock(time);
  in.Literal(" ");
  time.year = in.Digits(4);
  return in.AtEnd();
}

}  // namespace

std::optional<SystemTime> ParseHttpDate(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  SystemTime time;
  const bool read = ReadFixDate(text, time) || ReadRfc850Date(text, (time = SystemTime{})) ||
                    ReadAsctimeDate(text, (time = SystemTime{}));
  if (!read || time.second > 60) return std::nullopt;
  if (time.second == 60) time.second = 59;
  time.milliseconds = 0;
  auto epoch = EpochMsFromSystemTime(time);
  if (!epoch) return std::nullopt;
  return SystemTimeFromEpochMs(*epoch);  // fills the day of the week
}

}  // namespace tarvo
