#include "app/qt/qt_run_loop.hpp"

#include "platform/core/clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace vigil::qt {
namespace {

// Long waits are taken an hour at a time, which keeps a QTimer's milliseconds in an int.
constexpr double kLongestWaitMilliseconds = 3'600'000.0;

}  // namespace

QtRunLoop::QtRunLoop() {
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&wake_, &QTimer::timeout, [this] { fireDue(); });
}

double QtRunLoop::now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::shared_ptr<desktop::Timer> QtRunLoop::scheduledTimer(double interval,
                                                          std::function<void(desktop::Timer &)> fire) {
  auto timer = queue_.addTimer(now(), interval, std::move(fire));
  rearm();
  return timer;
}

void QtRunLoop::performAfterDelay(double delay, std::function<void()> call) {
  queue_.addCall(now(), delay, std::move(call));
  rearm();
}

UInt32 QtRunLoop::tickCount() const { return TickCount(); }

void QtRunLoop::fireDue() {
  if (firing_) return;  // woken inside a nested loop: the outer firing rearms
  firing_ = true;
  while (queue_.fireOneDue(now())) {
  }
  firing_ = false;
  rearm();
}

void QtRunLoop::rearm() {
  if (firing_) return;
  const auto due = queue_.nextDue();
  if (!due) {
    wake_.stop();
    return;
  }
  const double milliseconds = std::ceil(std::max(0.0, *due - now()) * 1000.0);
  wake_.start(static_cast<int>(std::min(milliseconds, kLongestWaitMilliseconds)));
}

}  // namespace vigil::qt
