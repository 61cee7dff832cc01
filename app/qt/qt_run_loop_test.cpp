// The run loop over Qt's event loop: timers keep their rhythm and skip what
// they missed, delayed calls fire once, intervals the loop cannot keep are
// refused, and nothing fires inside a callback's modal loop.
#include "app/qt/qt_run_loop.hpp"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QThread>

#include <cmath>
#include <limits>
#include <vector>

using vigil::qt::QtRunLoop;

class QtRunLoopTest : public QObject {
  Q_OBJECT

 private slots:
  void refusesIntervalsItCannotKeep() {
    QtRunLoop loop;
    const double inf = std::numeric_limits<double>::infinity();
    for (const double interval : {0.0, -1.0, std::nan(""), inf, 2e9}) {
      QVERIFY2(loop.scheduledTimer(interval, [](vigil::desktop::Timer &) {}) == nullptr,
               qPrintable(QString::number(interval)));
    }
    QVERIFY(loop.scheduledTimer(1e9, [](vigil::desktop::Timer &) {}) != nullptr);
  }

  void repeatingTimerKeepsItsRhythmUntilInvalidated() {
    QtRunLoop loop;
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> firings;
    auto timer = loop.scheduledTimer(0.05, [&](vigil::desktop::Timer &self) {
      firings.push_back(clock.elapsed());
      if (firings.size() == 4) self.invalidate();
    });
    QVERIFY(timer);
    QTRY_COMPARE_WITH_TIMEOUT(firings.size(), size_t{4}, 2000);
    QTest::qWait(150);
    QCOMPARE(firings.size(), size_t{4});
    QVERIFY(!timer->isValid());
    // Each firing is due a whole interval after the start: the rhythm does not drift.
    for (size_t i = 0; i < firings.size(); ++i) QVERIFY(firings[i] >= qint64(50 * (i + 1)) - 1);
  }

  void missedFiringsAreSkipped() {
    QtRunLoop loop;
    int fired = 0;
    auto timer = loop.scheduledTimer(0.05, [&](vigil::desktop::Timer &) { ++fired; });
    QThread::msleep(230);  // the loop is held up past four firings
    QTRY_VERIFY(fired >= 1);
    QCOMPARE(fired, 1);  // one firing, not a burst of the four it missed
    timer->invalidate();
  }

  void delayedCallFiresOnceInOrder() {
    QtRunLoop loop;
    std::vector<int> calls;
    loop.performAfterDelay(0.02, [&] { calls.push_back(2); });
    loop.performAfterDelay(0.0, [&] { calls.push_back(1); });
    QTRY_COMPARE(calls.size(), size_t{2});
    QTest::qWait(50);
    QCOMPARE(calls, (std::vector<int>{1, 2}));
  }

  void nothingFiresInsideACallbacksModalLoop() {
    QtRunLoop loop;
    int ticks = 0;
    int ticksSeenInside = -1;
    auto ticker = loop.scheduledTimer(0.02, [&](vigil::desktop::Timer &) { ++ticks; });
    loop.performAfterDelay(0.01, [&] {
      const int before = ticks;
      QEventLoop modal;  // as an alert's exec() would spin one
      QTimer::singleShot(150, &modal, &QEventLoop::quit);
      modal.exec();
      ticksSeenInside = ticks - before;
    });
    QTRY_VERIFY(ticksSeenInside >= 0);
    QCOMPARE(ticksSeenInside, 0);
    const int after = ticks;
    QTRY_VERIFY(ticks > after);  // and the schedule resumes
    ticker->invalidate();
  }

  void tickCountFollowsTheClock() {
    QtRunLoop loop;
    const UInt32 start = loop.tickCount();
    QThread::msleep(100);
    const UInt32 ticks = loop.tickCount() - start;
    QVERIFY2(ticks >= 5 && ticks <= 30, qPrintable(QString::number(ticks)));
  }
};

QTEST_MAIN(QtRunLoopTest)
#include "qt_run_loop_test.moc"
