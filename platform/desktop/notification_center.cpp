#include "platform/desktop/notification_center.hpp"

#include <algorithm>

namespace vigil::desktop {

NotificationCenter &NotificationCenter::defaultCenter() {
  static NotificationCenter center;
  return center;
}

void NotificationCenter::addObserver(const void *observer, Handler handler, const std::string &name,
                                     const void *object) {
  for (Observation &existing : observations_) {
    if (existing.observer == observer && existing.name == name && existing.object == object) {
      *existing.handler = std::move(handler);
      return;
    }
  }
  observations_.push_back(
      {observer, name, object, std::make_shared<Handler>(std::move(handler))});
}

void NotificationCenter::removeObserver(const void *observer, const std::string &name,
                                        const void *object) {
  std::erase_if(observations_, [&](Observation &observation) {
    const bool matches = observation.observer == observer &&
                         (name.empty() || observation.name == name) &&
                         (object == nullptr || observation.object == object);
    if (matches) *observation.handler = nullptr;
    return matches;
  });
}

void NotificationCenter::postNotificationName(const std::string &name, const void *object,
                                              std::map<std::string, std::string> userInfo) {
  const Notification notification{name, object, std::move(userInfo)};
  // Observers may come and go while this one is delivered: those removed are not
  // called, those added wait for the next notification.
  std::vector<std::shared_ptr<Handler>> handlers;
  for (const Observation &observation : observations_) {
    if (observation.name == name && (observation.object == nullptr || observation.object == object)) {
      handlers.push_back(observation.handler);
    }
  }
  for (const auto &handler : handlers) {
    if (*handler) {
      const Handler call = *handler;
      call(notification);
    }
  }
}

size_t NotificationCenter::observationCount(const void *observer) const {
  return static_cast<size_t>(std::count_if(observations_.begin(), observations_.end(),
                                           [&](const Observation &o) { return o.observer == observer; }));
}

}  // namespace vigil::desktop
