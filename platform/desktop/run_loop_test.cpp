#include "platform/desktop/real_run_loop.hpp"
#include "platform/desktop/virtual_run_loop.hpp"

#include <signal.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using vigil::desktop::RealRunLoop;
using vigil::desktop::Timer;
using vigil::desktop::VirtualRunLoop;

TEST(VirtualRunLoop, TimersRepeatAndDelayedCallsFireOnceInTimeOrder) {
  VirtualRunLoop loop(100.0);
  std::vector<std::string> events;
  auto timer = loop.scheduledTimer(2.0, [&](Timer &) { events.push_back("tick@" + std::to_string(int(loop.now()))); });
  loop.performAfterDelay(3.0, [&] { events.push_back("call@" + std::to_string(int(loop.now()))); });
  loop.advance(6.5);
  EXPECT_EQ(events, (std::vector<std::string>{"tick@102", "call@103", "tick@104", "tick@106"}));
  EXPECT_EQ(loop.tickCount(), 106u * 60 + 30);

  timer->invalidate();
  EXPECT_FALSE(timer->isValid());
  loop.advance(10);
  EXPECT_EQ(events.size(), 4u);
}

TEST(VirtualRunLoop, ATimerCanInvalidateItselfAndMissedFiringsAreSkipped) {
  VirtualRunLoop loop;
  int fired = 0;
  auto timer = loop.scheduledTimer(1.0, [&](Timer &self) {
    if (++fired == 2) self.invalidate();
  });
  loop.advance(5);
  EXPECT_EQ(fired, 2);

  int periodic = 0;
  auto steady = loop.scheduledTimer(1.0, [&](Timer &) { ++periodic; });
  loop.advance(1.0);        // fires once
  loop.stall(5.5);          // held up, as by a modal alert
  loop.advance(0.0);        // the late firing runs once, not six times
  EXPECT_EQ(periodic, 2);
  loop.advance(0.6);        // back on the old rhythm: the next is due at +7
  EXPECT_EQ(periodic, 3);
}

TEST(VirtualRunLoop, RefusesIntervalsItCannotKeep) {
  VirtualRunLoop loop;
  for (double interval : {0.0, -1.0, std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN(), 1e12}) {
    EXPECT_EQ(loop.scheduledTimer(interval, [](Timer &) {}), nullptr) << interval;
  }
  EXPECT_NE(loop.scheduledTimer(0.001, [](Timer &) {}), nullptr);
}

TEST(RealRunLoop, FiresOnTheClockAndStopsOnASignal) {
  RealRunLoop loop;
  int ticks = 0;
  bool signalled = false;
  auto timer = loop.scheduledTimer(0.01, [&](Timer &) {
    if (++ticks == 3) raise(SIGUSR1);
  });
  loop.onSignal(SIGUSR1, [&] {
    signalled = true;
    loop.stop();
  });
  const UInt32 before = loop.tickCount();
  loop.run();
  EXPECT_EQ(ticks, 3);
  EXPECT_TRUE(signalled);
  EXPECT_LT(loop.tickCount() - before, 60u);

  bool called = false;
  loop.performAfterDelay(0.0, [&] { called = true; loop.stop(); });
  timer->invalidate();
  loop.run();
  EXPECT_TRUE(called);
}

}  // namespace
