#include <iostream>

#include "main/probe/ProbeCommand.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return tarvo::probe::RunProbe(args, std::cout, std::cerr);
}
