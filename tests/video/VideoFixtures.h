#pragma once
// Fixture pages of the video tests, read from tests/data.
#include <fstream>
#include <iterator>
#include <string>

#include "platform/text/Utf8.h"

namespace tarvo::testing {

inline std::string FixtureBytes(const std::string& name) {
  std::ifstream in(std::string(TARVO_TEST_DATA_DIR) + "/" + name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline WString FixtureText(const std::string& name) { return FromUtf8(FixtureBytes(name)); }

}  // namespace tarvo::testing
