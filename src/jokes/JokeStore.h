#pragma once
// The arithmetic of the joke store: the joke lead file, where the start-up
// load begins and the order in which it widens outward from there.
#include <string_view>
#include <vector>

#include "platform/text/WString.h"

namespace tarvo {

// A lead file's values count only within these bounds.
inline constexpr int kMaxJokeStep = 10000;
inline constexpr int kMaxJokeEnd = 99999;

struct JokeLead {
  bool valid = false;  // the text names both "Step" and "End"
  int step = 0;        // section "Info", default 0
  int end = 0;
  // Valid, 1 ≤ step ≤ kMaxJokeStep and 1 ≤ end ≤ kMaxJokeEnd.
  bool usable = false;
};

JokeLead ParseJokeLead(std::string_view bytes, std::string_view codePage = "GBK");

struct JokeStart {
  int file = 1;   // number of the file holding the last-read joke
  int index = 0;  // its position in that file
  bool operator==(const JokeStart&) const = default;
};

// From the 1-based number of the joke last read and the jokes per file.
JokeStart JokeStartPosition(int lastRead, int step);

struct JokeVisit {
  int file = 0;
  bool front = false;  // put in front of what is loaded (else appended)
  bool operator==(const JokeVisit&) const = default;
};

// The files the start-up load visits after the first one, in order: each
// pass the next lower number (put in front) and the next higher one up to
// `end` (appended). Nothing unless 1 ≤ end ≤ kMaxJokeEnd; numbers above end
// are never visited.
std::vector<JokeVisit> JokeWideningOrder(int startFile, int end);

}  // namespace tarvo
