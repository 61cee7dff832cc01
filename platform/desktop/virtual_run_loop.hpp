// A run loop on virtual time, for tests: nothing fires until the test advances
// the clock, and then everything due fires in order, each at its own moment.
#pragma once

#include "platform/desktop/run_loop.hpp"
#include "platform/desktop/timer_queue.hpp"

namespace vigil::desktop {

class VirtualRunLoop : public RunLoop {
 public:
  // Virtual time starts at an uptime of startSeconds.
  explicit VirtualRunLoop(double startSeconds = 1000.0) : now_(startSeconds) {}

  std::shared_ptr<Timer> scheduledTimer(double interval, std::function<void(Timer &)> fire) override;
  void performAfterDelay(double delay, std::function<void()> call) override;
  UInt32 tickCount() const override;

  // Runs everything due within the next seconds, moving the clock to each
  // moment in turn, and ends with the clock advanced by the full amount.
  void advance(double seconds);

  // Holds the loop up without firing anything, as a modal alert does.
  void stall(double seconds) { now_ += seconds; }

  double now() const { return now_; }

 private:
  double now_;
  TimerQueue queue_;
};

}  // namespace vigil::desktop
