// A program a test starts (a bus, a service, a server) and ends when done.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

extern char **environ;

namespace vigil::testing {

class HelperProcess {
 public:
  // Starts arguments[0] (searched in PATH) with the current environment; its
  // standard output is ours to read.
  explicit HelperProcess(const std::vector<std::string> &arguments) {
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    std::vector<char *> argv;
    for (const std::string &argument : arguments) argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    output_ = output[0];
  }

  ~HelperProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      int status;
      for (int i = 0; i < 200 && waitpid(pid_, &status, WNOHANG) == 0; ++i) usleep(10'000);
      if (kill(pid_, SIGKILL) == 0) waitpid(pid_, &status, 0);
    }
    close(output_);
  }

  HelperProcess(const HelperProcess &) = delete;
  HelperProcess &operator=(const HelperProcess &) = delete;

  pid_t pid() const { return pid_; }

  // The next line it prints, without its line break; nothing when it printed
  // none in time or ended.
  std::optional<std::string> readLine(std::chrono::seconds timeout = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::string line;
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd ready{output_, POLLIN, 0};
      if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
        return std::nullopt;
      }
      char c;
      if (read(output_, &c, 1) != 1) return std::nullopt;
      if (c == '\n') return line;
      line += c;
    }
  }

 private:
  pid_t pid_ = -1;
  int output_ = -1;
};

}  // namespace vigil::testing
