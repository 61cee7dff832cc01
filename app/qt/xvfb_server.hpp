// A private X server (Xvfb) for tests and benchmarks that need real windows:
// started on a free display number, ended with its owner.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace vigil::qt::testing {

class XvfbServer {
 public:
  // Starts Xvfb with one screen of the given size; display() is empty when it
  // could not be started.
  explicit XvfbServer(const char *screen = "1280x1024x24") {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      // The server ends with its owner, even one that crashed, and keeps its
      // chatter off the owner's output (which a test runner may wait on).
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      const int quiet = open("/dev/null", O_WRONLY);
      dup2(quiet, STDOUT_FILENO);
      dup2(quiet, STDERR_FILENO);
      // The server writes its display number to the inherited write end.
      const int fd = dup(pipeFds[1]);
      const std::string fdText = std::to_string(fd);
      execlp("Xvfb", "Xvfb", "-displayfd", fdText.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
             "-noreset", static_cast<char *>(nullptr));
      _exit(127);
    }
    close(pipeFds[1]);
    std::string number;
    pollfd reader{pipeFds[0], POLLIN, 0};
    char c = 0;
    while (pid_ > 0 && poll(&reader, 1, 20000) > 0 && read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
    close(pipeFds[0]);
    if (!number.empty()) display_ = ":" + number;
  }
  ~XvfbServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  XvfbServer(const XvfbServer &) = delete;
  XvfbServer &operator=(const XvfbServer &) = delete;

  const std::string &display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace vigil::qt::testing
