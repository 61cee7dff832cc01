// The vigil program: the desktop application, or, with --headless, --show or
// --save, the program without a display (which needs no window system at all).
#include "app/headless/headless_runner.hpp"
#include "app/qt/desktop_application.hpp"

#include <signal.h>

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv) {
  std::setlocale(LC_ALL, "");
  // A file-size limit then shows as a failed save instead of ending the process.
  signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  using Mode = vigil::app::HeadlessCommand::Mode;
  if (!arguments.empty()) {
    const std::string &first = arguments.front();
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (first == "--headless") return vigil::app::RunHeadless(Mode::kRun, rest);
    if (first == "--show") return vigil::app::RunHeadless(Mode::kShow, rest);
    if (first == "--save") return vigil::app::RunHeadless(Mode::kSave, rest);
    if (first == "--help" || first == "-h") {
      std::fputs(vigil::qt::DesktopUsage().c_str(), stdout);
      return 0;
    }
  }
  if (!vigil::qt::HasDisplay()) {
    std::fprintf(stderr, "vigil: there is no display to open windows on (DISPLAY and WAYLAND_DISPLAY are unset).\n"
                         "To watch folders without a display, use --headless:\n\n%s",
                 vigil::app::HeadlessUsage().c_str());
    return 2;
  }
  return vigil::qt::RunDesktopApplication(argc, argv);
}
