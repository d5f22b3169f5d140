#pragma once
// The sentences a GPS receiver sends each second, with their checksums.
#include <ctime>
#include <string>
#include <string_view>

namespace tarvo::servers {

// "$" + body + "*" + two hex digits of the XOR of body's bytes + CR LF.
std::string NmeaSentence(std::string_view body);

// "$<talker>GGA,...": the fix data at that UTC time (milliseconds 0-999).
std::string GgaSentence(std::string_view talker, std::time_t utc, int milliseconds, bool fix);
// "$<talker>RMC,hhmmss.sss,A|V,...,ddmmyy,...".
std::string RmcSentence(std::string_view talker, std::time_t utc, int milliseconds, bool fix);

}  // namespace tarvo::servers
