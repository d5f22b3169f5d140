#pragma once
// The reader's "选项" menu: one table, in menu order. A screen that offers
// more (the login) adds its row at the end.
#include <vector>

namespace tarvo {

class CJoke;

struct JokeOption {
  const char16_t* caption;
  int command;
  void (CJoke::*action)();
};

const std::vector<JokeOption>& JokeOptions();

}  // namespace tarvo
