#include "NmeaSentences.h"

#include <cstdio>

namespace tarvo::servers {
namespace {

// A fixed place: the receiver stands still.
constexpr char kLatitude[] = "3954.870,N";
constexpr char kLongitude[] = "11623.530,E";

std::tm Utc(std::time_t when) {
  std::tm utc{};
  gmtime_r(&when, &utc);
  return utc;
}

}  // namespace

std::string NmeaSentence(std::string_view body) {
  unsigned sum = 0;
  for (char c : body) sum ^= static_cast<unsigned char>(c);
  char tail[8];
  std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
  return "$" + std::string(body) + tail;
}

std::string GgaSentence(std::string_view talker, std::time_t utc, int milliseconds, bool fix) {
  const std::tm t = Utc(utc);
  char body[160];
  std::snprintf(body, sizeof body, "%.*sGGA,%02d%02d%02d.%03d,%s,%s,%d,%02d,0.9,43.5,M,-8.2,M,,",
                static_cast<int>(talker.size()), talker.data(), t.tm_hour, t.tm_min, t.tm_sec, milliseconds,
                kLatitude, kLongitude, fix ? 1 : 0, fix ? 8 : 0);
  return NmeaSentence(body);
}

std::string RmcSentence(std::string_view talker, std::time_t utc, int milliseconds, bool fix) {
  const std::tm t = Utc(utc);
  char body[160];
  std::snprintf(body, sizeof body, "%.*sRMC,%02d%02d%02d.%03d,%c,%s,%s,000.0,000.0,%02d%02d%02d,,,%c",
                static_cast<int>(talker.size()), talker.data(), t.tm_hour, t.tm_min, t.tm_sec, milliseconds,
                fix ? 'A' : 'V', kLatitude, kLongitude, t.tm_mday, t.tm_mon + 1, t.tm_year % 100,
                fix ? 'A' : 'N');
  return NmeaSentence(body);
}

}  // namespace tarvo::servers
