// The schedule shared by the run loops: timers and delayed calls ordered by their
// due time on a clock of seconds, fired in order, repeating timers rescheduled.
#pragma once

#include "platform/desktop/run_loop.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <queue>
#include <vector>

namespace vigil::desktop {

class TimerQueue {
 public:
  // Longest interval or delay the queue keeps: about 31 years.
  static constexpr double kMaxInterval = 1e9;

  std::shared_ptr<Timer> addTimer(double now, double interval, std::function<void(Timer &)> fire);
  bool addCall(double now, double delay, std::function<void()> call);

  // When the earliest entry is due; nothing when the queue is empty.
  std::optional<double> nextDue();

  // Fires the earliest entry if it is due at now; false when none is.
  bool fireOneDue(double now);

 private:
  struct Entry;
  struct Later {
    bool operator()(const std::shared_ptr<Entry> &a, const std::shared_ptr<Entry> &b) const;
  };
  void dropInvalid();

  uint64_t sequence_ = 0;
  std::priority_queue<std::shared_ptr<Entry>, std::vector<std::shared_ptr<Entry>>, Later> queue_;
};

}  // namespace vigil::desktop
