#include "platform/desktop/sound.hpp"

#include <fcntl.h>
#include <unistd.h>

namespace vigil::desktop {

void TerminalBell::beep() {
  // /dev/tty is the controlling terminal whatever standard output was turned to.
  const int terminal = open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (terminal < 0) return;
  (void)!write(terminal, "\a", 1);
  close(terminal);
}

}  // namespace vigil::desktop
