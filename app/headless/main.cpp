// The vigil program.
#include "app/headless/headless_runner.hpp"

#include <signal.h>

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv) {
  std::setlocale(LC_ALL, "");
  // A file-size limit then shows as a failed save instead of ending the process.
  signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> arguments(argv + 1, argv + argc);
  using Mode = vigil::app::HeadlessCommand::Mode;
  if (!arguments.empty()) {
    const std::string &first = arguments.front();
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (first == "--headless") return vigil::app::RunHeadless(Mode::kRun, rest);
    if (first == "--show") return vigil::app::RunHeadless(Mode::kShow, rest);
    if (first == "--save") return vigil::app::RunHeadless(Mode::kSave, rest);
  }
  std::fprintf(stderr, "vigil: this build has no desktop front end; without a display, use:\n\n%s",
               vigil::app::HeadlessUsage().c_str());
  return 2;
}
