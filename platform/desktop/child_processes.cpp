#include "platform/desktop/child_processes.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

extern char **environ;

namespace vigil::desktop {
namespace {

using Clock = std::chrono::steady_clock;

// argv for exec: pointers into the strings, ending with null.
std::vector<char *> ArgumentVector(const std::vector<std::string> &arguments) {
  std::vector<char *> vector;
  for (const std::string &argument : arguments) vector.push_back(const_cast<char *>(argument.c_str()));
  vector.push_back(nullptr);
  return vector;
}

bool IsExecutableFile(const std::string &path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         access(path.c_str(), X_OK) == 0;
}

int MillisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::max<long long>(0, left.count()));
}

// Writes all of input to the socket before the deadline; false when the reader
// went away or time ran out. The socket never raises SIGPIPE.
bool Feed(int socket, std::string_view input, Clock::time_point deadline) {
  while (!input.empty()) {
    pollfd ready{socket, POLLOUT, 0};
    const int waited = poll(&ready, 1, MillisecondsUntil(deadline));
    if (waited < 0 && errno == EINTR) continue;
    if (waited <= 0) return false;
    const ssize_t sent = send(socket, input.data(), input.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (sent < 0) return false;
    input.remove_prefix(static_cast<size_t>(sent));
  }
  return true;
}

// The child's exit status once it ends, or nothing when it is still running at
// the deadline (then it is killed and reaped).
std::optional<int> WaitUntil(pid_t child, Clock::time_point deadline) {
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) return WIFEXITED(status) ? std::optional(WEXITSTATUS(status)) : std::nullopt;
    if (done < 0 && errno != EINTR) return std::nullopt;
    if (Clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(child, SIGKILL);
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindProgram(std::string_view name,
                                       std::span<const std::string> extraFolders) {
  if (name.empty()) return std::nullopt;
  if (name.find('/') != std::string_view::npos) {
    std::string path(name);
    return IsExecutableFile(path) ? std::optional(path) : std::nullopt;
  }
  std::vector<std::string> folders;
  const char *searchPath = std::getenv("PATH");
  const std::string list = searchPath != nullptr ? searchPath : "/usr/local/bin:/usr/bin:/bin";
  for (size_t start = 0; start <= list.size();) {
    size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    folders.push_back(end > start ? list.substr(start, end - start) : ".");
    start = end + 1;
  }
  folders.insert(folders.end(), extraFolders.begin(), extraFolders.end());
  for (const std::string &folder : folders) {
    std::string candidate = folder + "/" + std::string(name);
    if (IsExecutableFile(candidate)) return candidate;
  }
  return std::nullopt;
}

std::optional<int> RunWithInput(const std::string &program,
                                const std::vector<std::string> &arguments,
                                std::string_view input, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  int sockets[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, sockets[1], STDIN_FILENO);
  std::vector<char *> argv = ArgumentVector(arguments);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(sockets[1]);
  if (spawned != 0) {
    close(sockets[0]);
    return std::nullopt;
  }
  const bool fed = Feed(sockets[0], input, deadline);
  close(sockets[0]);  // the end of the input
  const auto status = WaitUntil(child, deadline);
  if (!fed) return std::nullopt;
  return status;
}

bool LaunchDetached(const std::string &program, const std::vector<std::string> &arguments,
                    const std::string &workingDirectory) {
  // Everything the children need is made here: after fork only calls that are
  // safe in a child of a threaded process are made.
  std::vector<char *> argv = ArgumentVector(arguments);
  const int nullInput = open("/dev/null", O_RDONLY | O_CLOEXEC);
  int report[2];
  if (nullInput < 0 || pipe2(report, O_CLOEXEC) != 0) {
    if (nullInput >= 0) close(nullInput);
    return false;
  }
  const pid_t child = fork();
  if (child == 0) {
    // The middle process ends at once, so the program is adopted by init and
    // is nobody's zombie; the program reports a failed exec through the pipe,
    // which its exec otherwise closes.
    setsid();
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      int error = 0;
      if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) error = errno;
      if (error == 0 && dup2(nullInput, STDIN_FILENO) < 0) error = errno;
      if (error == 0) {
        execve(program.c_str(), argv.data(), environ);
        error = errno;
      }
      (void)!write(report[1], &error, sizeof error);
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  close(report[1]);
  close(nullInput);
  bool started = false;
  if (child > 0) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t count;
    while ((count = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    started = WIFEXITED(status) && WEXITSTATUS(status) == 0 && count == 0;
  }
  close(report[0]);
  return started;
}

}  // namespace vigil::desktop
