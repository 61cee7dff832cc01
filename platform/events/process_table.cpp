#include "platform/events/process_table.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <memory>
#include <sstream>
#include <string_view>

namespace vigil::events {
namespace {

std::optional<std::string> ReadSmallFile(const std::string &path) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  std::string contents;
  char buffer[1024];
  ssize_t count;
  while ((count = read(descriptor, buffer, sizeof buffer)) > 0) contents.append(buffer, count);
  close(descriptor);
  if (count < 0) return std::nullopt;
  return contents;
}

std::optional<pid_t> ProcessIDOfName(std::string_view name) {
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (error != std::errc() || end != name.data() + name.size() || pid <= 0) return std::nullopt;
  return pid;
}

}  // namespace

std::optional<ProcessStatus> ReadProcessStatus(pid_t pid) {
  if (pid <= 0) return std::nullopt;
  const auto stat = ReadSmallFile("/proc/" + std::to_string(pid) + "/stat");
  if (!stat) return std::nullopt;
  // "pid (name) state ppid ...": the name may hold spaces and parentheses, so it
  // ends at the last ')'.
  const size_t open = stat->find('(');
  const size_t close = stat->rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open) {
    return std::nullopt;
  }
  ProcessStatus status;
  status.pid = pid;
  status.name = stat->substr(open + 1, close - open - 1);
  // Fields from the state on: state is field 3, ppid 4, utime 14, stime 15,
  // starttime 22.
  std::istringstream fields(stat->substr(close + 1));
  std::string field;
  UInt64 user = 0;
  UInt64 system = 0;
  for (int number = 3; number <= 22 && fields >> field; ++number) {
    UInt64 value = 0;
    if (number == 4 || number == 14 || number == 15 || number == 22) {
      const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
      if (error != std::errc()) return std::nullopt;
    }
    if (number == 4) status.parent = static_cast<pid_t>(value);
    if (number == 14) user = value;
    if (number == 15) system = value;
    if (number == 22) {
      status.startTicks = value;
      status.cpuTicks = user + system;
      return status;
    }
  }
  return std::nullopt;
}

std::optional<pid_t> NextProcessID(pid_t after) {
  struct Close {
    void operator()(DIR *folder) const { closedir(folder); }
  };
  std::unique_ptr<DIR, Close> folder(opendir("/proc"));
  if (!folder) return std::nullopt;
  std::optional<pid_t> next;
  while (const dirent *entry = readdir(folder.get())) {
    const auto pid = ProcessIDOfName(entry->d_name);
    if (pid && *pid > after && (!next || *pid < *next)) next = pid;
  }
  return next;
}

}  // namespace vigil::events
