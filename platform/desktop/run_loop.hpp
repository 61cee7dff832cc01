// The main run loop's timing services: repeating timers, delayed calls and the
// tick count. Everything runs on the loop's one thread. RealRunLoop waits on the
// monotonic clock; VirtualRunLoop is driven by tests through virtual time.
#pragma once

#include "platform/core/base_types.h"

#include <functional>
#include <memory>

namespace vigil::desktop {

// A repeating timer on a run loop. It fires until invalidated; invalidating
// is final and safe at any time, also from inside its own firing.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void invalidate() = 0;
  virtual bool isValid() const = 0;
  virtual double timeInterval() const = 0;
};

class RunLoop {
 public:
  virtual ~RunLoop() = default;

  // A repeating timer, already scheduled, that calls fire every interval
  // seconds; none when the interval is not a positive finite number of seconds
  // the loop can keep.
  virtual std::shared_ptr<Timer> scheduledTimer(double interval, std::function<void(Timer &)> fire) = 0;

  // Calls call once, after the delay; nothing cancels it.
  virtual void performAfterDelay(double delay, std::function<void()> call) = 0;

  // Sixtieths of a second since start-up, on this loop's clock.
  virtual UInt32 tickCount() const = 0;
};

}  // namespace vigil::desktop
