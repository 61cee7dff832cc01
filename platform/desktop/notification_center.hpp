// A synchronous notification centre: posting a notification calls every
// observer of its name (and object, when one was given) before it returns.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vigil::desktop {

struct Notification {
  std::string name;
  const void *object;  // the poster
  std::map<std::string, std::string> userInfo;
};

class NotificationCenter {
 public:
  using Handler = std::function<void(const Notification &)>;

  // The process's centre, used by everything that does not make its own.
  static NotificationCenter &defaultCenter();

  // Calls handler for notifications of the name posted by object (any object
  // when null). Observing the same name and object twice keeps one observation.
  void addObserver(const void *observer, Handler handler, const std::string &name,
                   const void *object);

  // Stops the observer's observations of the name (every name when empty) and
  // object (every object when null).
  void removeObserver(const void *observer, const std::string &name, const void *object);

  void postNotificationName(const std::string &name, const void *object,
                            std::map<std::string, std::string> userInfo);

  // How many observations an observer has, for tests and teardown checks.
  size_t observationCount(const void *observer) const;

 private:
  struct Observation {
    const void *observer;
    std::string name;
    const void *object;
    std::shared_ptr<Handler> handler;  // cleared when removed, even mid-delivery
  };
  std::vector<Observation> observations_;
};

}  // namespace vigil::desktop
