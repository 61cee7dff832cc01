// Runs a function in a child process and hands back what it printed, for state
// that a process initialises only once.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

namespace vigil::random {

inline std::string RunInFreshProcess(const std::function<std::string()> &body) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return "pipe failed";
  pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    std::string output = body();
    ssize_t written = write(pipeEnds[1], output.data(), output.size());
    _exit(written == ssize_t(output.size()) ? 0 : 1);
  }
  close(pipeEnds[1]);
  std::string output;
  char chunk[256];
  for (ssize_t n; (n = read(pipeEnds[0], chunk, sizeof chunk)) > 0;) output.append(chunk, std::size_t(n));
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? output : "child failed";
}

}  // namespace vigil::random
