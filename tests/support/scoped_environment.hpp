// Sets environment variables for the life of a test and puts them back after.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vigil::testing {

class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ScopedEnvironment(const ScopedEnvironment &) = delete;
  ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) {
        setenv(it->first.c_str(), it->second->c_str(), 1);
      } else {
        unsetenv(it->first.c_str());
      }
    }
  }

  // A value, or nothing to unset the variable.
  ScopedEnvironment &set(const std::string &name, std::optional<std::string> value) {
    const char *old = std::getenv(name.c_str());
    saved_.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
    return *this;
  }

  // No session bus anywhere: the tests never reach the user's own.
  ScopedEnvironment &withoutSessionBus() {
    return set("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/vigil-test-bus")
        .set("XDG_RUNTIME_DIR", std::nullopt);
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace vigil::testing
