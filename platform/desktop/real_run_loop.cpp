#include "platform/desktop/real_run_loop.hpp"

#include "platform/core/clock.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cmath>
#include <ctime>

namespace vigil::desktop {

RealRunLoop::RealRunLoop() = default;

RealRunLoop::~RealRunLoop() {
  if (signalFd_ >= 0) close(signalFd_);
}

double RealRunLoop::now() const {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

std::shared_ptr<Timer> RealRunLoop::scheduledTimer(double interval,
                                                   std::function<void(Timer &)> fire) {
  return queue_.addTimer(now(), interval, std::move(fire));
}

void RealRunLoop::performAfterDelay(double delay, std::function<void()> call) {
  queue_.addCall(now(), delay, std::move(call));
}

UInt32 RealRunLoop::tickCount() const { return TickCount(); }

void RealRunLoop::onSignal(int signal, std::function<void()> handler) {
  signalHandlers_[signal] = std::move(handler);
  sigset_t signals;
  sigemptyset(&signals);
  for (const auto &[number, unused] : signalHandlers_) sigaddset(&signals, number);
  // Blocked signals stay pending until the loop reads them from its descriptor.
  sigprocmask(SIG_BLOCK, &signals, nullptr);
  signalFd_ = signalfd(signalFd_, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
}

void RealRunLoop::run() {
  stopping_ = false;
  while (!stopping_) {
    while (!stopping_ && queue_.fireOneDue(now())) {
    }
    if (stopping_) break;
    const auto due = queue_.nextDue();
    if (!due && signalFd_ < 0) break;
    int timeout = -1;
    if (due) {
      // Long waits are taken an hour at a time, which keeps the count in an int.
      const double milliseconds = std::ceil(std::max(0.0, *due - now()) * 1000.0);
      timeout = static_cast<int>(std::min(milliseconds, 3'600'000.0));
    }
    pollfd descriptor{signalFd_, POLLIN, 0};
    const int ready = poll(&descriptor, signalFd_ >= 0 ? 1 : 0, timeout);
    if (ready > 0) {
      signalfd_siginfo info{};
      while (read(signalFd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        if (auto handler = signalHandlers_.find(static_cast<int>(info.ssi_signo));
            handler != signalHandlers_.end()) {
          handler->second();
        }
      }
    }
  }
}

}  // namespace vigil::desktop
