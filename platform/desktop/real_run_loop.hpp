// The run loop of a process without a window system: it sleeps until the next
// timer or delayed call is due, or a watched signal arrives, and uses no CPU in
// between.
#pragma once

#include "platform/desktop/run_loop.hpp"
#include "platform/desktop/timer_queue.hpp"

#include <functional>
#include <map>

namespace vigil::desktop {

class RealRunLoop : public RunLoop {
 public:
  RealRunLoop();
  ~RealRunLoop() override;
  RealRunLoop(const RealRunLoop &) = delete;
  RealRunLoop &operator=(const RealRunLoop &) = delete;

  std::shared_ptr<Timer> scheduledTimer(double interval, std::function<void(Timer &)> fire) override;
  void performAfterDelay(double delay, std::function<void()> call) override;
  UInt32 tickCount() const override;

  // Delivers a signal (SIGINT, SIGTERM...) to handler on the loop instead of its
  // default action. Call before run().
  void onSignal(int signal, std::function<void()> handler);

  // Runs until stop() is called from a callback, or nothing is left to wait for.
  void run();
  void stop() { stopping_ = true; }

 private:
  double now() const;

  TimerQueue queue_;
  bool stopping_ = false;
  int signalFd_ = -1;
  std::map<int, std::function<void()>> signalHandlers_;
};

}  // namespace vigil::desktop
