#include "platform/desktop/virtual_run_loop.hpp"

#include <cmath>

namespace vigil::desktop {

std::shared_ptr<Timer> VirtualRunLoop::scheduledTimer(double interval,
                                                      std::function<void(Timer &)> fire) {
  return queue_.addTimer(now_, interval, std::move(fire));
}

void VirtualRunLoop::performAfterDelay(double delay, std::function<void()> call) {
  queue_.addCall(now_, delay, std::move(call));
}

UInt32 VirtualRunLoop::tickCount() const {
  return static_cast<UInt32>(static_cast<uint64_t>(std::floor(now_ * 60.0 + 1e-6)));
}

void VirtualRunLoop::advance(double seconds) {
  const double end = now_ + seconds;
  while (true) {
    const auto due = queue_.nextDue();
    if (!due || *due > end) break;
    if (*due > now_) now_ = *due;
    queue_.fireOneDue(now_);
  }
  now_ = end;
}

}  // namespace vigil::desktop
