// The desktop application: its windows, one per document, on the display.
#pragma once

#include <string>

namespace vigil::qt {

// Whether there is a display to open windows on: an X or Wayland display, or a
// Qt platform named outright (such as offscreen).
bool HasDisplay();

// The command line of the desktop application, and how to run without a display.
std::string DesktopUsage();

// Runs `vigil [FILE...]`: opens each file as a document, or an untitled one
// when none is given; answers the exit status once the last window has closed.
int RunDesktopApplication(int argc, char **argv);

}  // namespace vigil::qt
