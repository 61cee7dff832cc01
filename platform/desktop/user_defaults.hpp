// The user's preferences: string values under keys, kept between runs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vigil::desktop {

class UserDefaults {
 public:
  virtual ~UserDefaults() = default;
  virtual void setObjectForKey(std::string_view value, std::string_view key) = 0;
  virtual std::optional<std::string> stringForKey(std::string_view key) const = 0;
};

}  // namespace vigil::desktop
