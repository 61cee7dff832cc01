// The vigil program.
#include "app/headless/headless_runner.hpp"

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv) {
  std::setlocale(LC_ALL, "");
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (!arguments.empty() && arguments.front() == "--headless") {
    return vigil::app::RunHeadless({arguments.begin() + 1, arguments.end()});
  }
  std::fprintf(stderr,
               "vigil: this build has no desktop front end; run it without a display:\n"
               "  vigil --headless --folder PATH [--interval N] [--unit seconds|minutes|hours]\n");
  return 2;
}
