// The main run loop's timers and delayed calls over Qt's event loop: one
// single-shot QTimer wakes the loop when the earliest entry of the schedule is
// due. Repeating timers keep their rhythm and skip the firings they missed.
#pragma once

#include "platform/desktop/run_loop.hpp"
#include "platform/desktop/timer_queue.hpp"

#include <QTimer>

namespace vigil::qt {

class QtRunLoop : public desktop::RunLoop {
 public:
  QtRunLoop();
  QtRunLoop(const QtRunLoop &) = delete;
  QtRunLoop &operator=(const QtRunLoop &) = delete;

  std::shared_ptr<desktop::Timer> scheduledTimer(double interval,
                                                 std::function<void(desktop::Timer &)> fire) override;
  void performAfterDelay(double delay, std::function<void()> call) override;
  UInt32 tickCount() const override;

 private:
  static double now();
  void fireDue();
  void rearm();

  desktop::TimerQueue queue_;
  QTimer wake_;
  // Set while entries fire. A callback that runs a modal alert spins a nested
  // event loop; no timer fires inside it, as none fires on the platform while
  // its alert panel is up, and the schedule resumes when the callback returns.
  bool firing_ = false;
};

}  // namespace vigil::qt
