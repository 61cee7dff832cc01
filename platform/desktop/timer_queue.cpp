#include "platform/desktop/timer_queue.hpp"

#include <cmath>

namespace vigil::desktop {
namespace {

bool IsKeepable(double seconds, bool zeroAllowed) {
  return std::isfinite(seconds) && seconds <= TimerQueue::kMaxInterval &&
         (seconds > 0 || (zeroAllowed && seconds == 0));
}

class QueuedTimer : public Timer {
 public:
  QueuedTimer(double interval, std::function<void(Timer &)> fire)
      : interval_(interval), fire_(std::move(fire)) {}
  void invalidate() override {
    valid_ = false;
    fire_ = nullptr;  // lets go of what the callback holds, even while queued
  }
  bool isValid() const override { return valid_; }
  double timeInterval() const override { return interval_; }

  void fire() {
    auto keep = fire_;  // the callback may invalidate this timer while it runs
    if (keep) keep(*this);
  }

 private:
  double interval_;
  bool valid_ = true;
  std::function<void(Timer &)> fire_;
};

}  // namespace

struct TimerQueue::Entry {
  double due;
  uint64_t order;  // entries due at the same time fire in the order they were made
  std::shared_ptr<QueuedTimer> timer;
  std::function<void()> call;
  bool valid() const { return !timer || timer->isValid(); }
};

bool TimerQueue::Later::operator()(const std::shared_ptr<Entry> &a,
                                   const std::shared_ptr<Entry> &b) const {
  return a->due != b->due ? a->due > b->due : a->order > b->order;
}

std::shared_ptr<Timer> TimerQueue::addTimer(double now, double interval,
                                            std::function<void(Timer &)> fire) {
  if (!IsKeepable(interval, false) || !fire) return nullptr;
  auto timer = std::make_shared<QueuedTimer>(interval, std::move(fire));
  queue_.push(std::make_shared<Entry>(Entry{now + interval, sequence_++, timer, nullptr}));
  return timer;
}

bool TimerQueue::addCall(double now, double delay, std::function<void()> call) {
  if (!IsKeepable(delay, true) || !call) return false;
  queue_.push(std::make_shared<Entry>(Entry{now + delay, sequence_++, nullptr, std::move(call)}));
  return true;
}

void TimerQueue::dropInvalid() {
  while (!queue_.empty() && !queue_.top()->valid()) queue_.pop();
}

std::optional<double> TimerQueue::nextDue() {
  dropInvalid();
  if (queue_.empty()) return std::nullopt;
  return queue_.top()->due;
}

bool TimerQueue::fireOneDue(double now) {
  dropInvalid();
  if (queue_.empty() || queue_.top()->due > now) return false;
  std::shared_ptr<Entry> entry = queue_.top();
  queue_.pop();
  if (entry->timer) {
    // The next firing keeps the timer's rhythm; firings missed while the loop was
    // held up (by a modal alert, say) are skipped rather than run in a burst.
    const double interval = entry->timer->timeInterval();
    double next = entry->due + interval;
    if (next <= now) next += std::ceil((now - next) / interval + 1e-9) * interval;
    queue_.push(std::make_shared<Entry>(Entry{next, sequence_++, entry->timer, nullptr}));
    entry->timer->fire();
  } else {
    entry->call();
  }
  return true;
}

}  // namespace vigil::desktop
