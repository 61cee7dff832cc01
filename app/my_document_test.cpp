#include "app/my_document.hpp"

#include "app/document_test_services.hpp"
#include "app/stored_window.hpp"
#include "platform/desktop/virtual_run_loop.hpp"
#include "tests/support/temp_folder.hpp"

#include <sys/stat.h>
#include <sys/time.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vigil::app {
namespace {

using desktop::OpenPanel;
using testing::TempFolder;

class MyDocumentTest : public ::testing::Test {
 protected:
  MyDocumentTest() {
    folder = temp.Folder("watched");
    window.folderPath.setStringValue(folder);
    window.interval.setStringValue("10");
    window.intervalUnits.selectItemAtIndex(0);
    window.checkItemCount.setState(1);
    window.checkModificationDate.setState(1);
    document = std::make_unique<MyDocument>(services);
    document->connectOutlets(window.outlets());
    document->onChangeDetected([this](const ChangeReport &report) { reports.push_back(report); });
    document->windowControllerDidLoadNib(&window);
  }

  void start() {
    document->buttonStartStop(nullptr);
    ASSERT_TRUE(document->isRunning()) << status();
  }
  // Runs virtual time forward by whole checks: the check fires at the interval
  // and its second half half a second later.
  void runChecks(int checks, double interval = 10) { services.loop.advance(checks * interval + 0.5); }
  std::string status() const { return window.status.stringValue(); }
  std::string button() const { return window.buttonStart.title(); }

  TempFolder temp;
  std::string folder;
  TestServices services;
  StoredWindow window;
  std::unique_ptr<MyDocument> document;
  std::vector<ChangeReport> reports;
};

TEST_F(MyDocumentTest, IntervalTextsAndUnits) {
  struct Case {
    const char *text;
    int unit;
    double seconds;
    const char *fieldAfter;
  } const cases[] = {
      {"0", 0, 1, "1"},        {"-3", 1, 60, "1"},      {"word", 2, 3600, "1"}, {"", 0, 1, "1"},
      {"1", 0, 1, "1"},        {"0.5", 1, 60, "1"},     {"1.5", 1, 90, "1.5"},  {"2", 2, 7200, "2"},
      {"2", 7, 7200, "2"},     {"45", 0, 45, "45"},
  };
  for (const Case &c : cases) {
    window.interval.setStringValue(c.text);
    window.intervalUnits.selectItemAtIndex(c.unit);
    EXPECT_EQ(document->getTimeIntervalInSeconds(), c.seconds) << c.text << " unit " << c.unit;
    EXPECT_EQ(window.interval.stringValue(), c.fieldAfter) << c.text;
  }
}

TEST_F(MyDocumentTest, StartIsRefusedWithoutAFolder) {
  const std::string file = temp.File("plain.txt");
  for (const std::string &path : {file, temp / "missing", std::string()}) {
    window.folderPath.setStringValue(path);
    window.buttonStart.setTitle("whatever");
    document->buttonStartStop(nullptr);
    EXPECT_FALSE(document->isRunning()) << path;
    EXPECT_EQ(button(), "Start");
    EXPECT_EQ(status(), "Target is not valid or not a folder.");
    services.loop.advance(30);
    EXPECT_EQ(status(), "Target is not valid or not a folder.") << "no timer runs";
  }
}

TEST_F(MyDocumentTest, StartShowsTheIntervalThenCountsDownAndChecksInTwoHalves) {
  start();
  EXPECT_EQ(button(), "Stop");
  EXPECT_EQ(status(), "Next check in 10 seconds.");
  services.loop.advance(1.0);
  EXPECT_EQ(status(), "Next check in 9 seconds.");
  services.loop.advance(8.9);
  EXPECT_EQ(status(), "Next check in 1 seconds.");
  services.loop.advance(0.1);  // the check timer fires
  EXPECT_EQ(status(), "Checking for target changes\u2026");
  EXPECT_TRUE(window.progress.isAnimating());
  services.loop.advance(0.49);
  EXPECT_EQ(status(), "Checking for target changes\u2026") << "no countdown during a check";
  services.loop.advance(0.01);  // the second half
  EXPECT_EQ(status(), "Next check in 10 seconds.");
  EXPECT_FALSE(window.progress.isAnimating());
  EXPECT_TRUE(reports.empty());
  EXPECT_GT(window.buttonStart.redrawRequests(), 0);
}

TEST_F(MyDocumentTest, StopByTheUserLeavesNoTimer) {
  start();
  document->buttonStartStop(&window);
  EXPECT_FALSE(document->isRunning());
  EXPECT_EQ(button(), "Start");
  EXPECT_EQ(status(), "Stopped by user.");
  temp.File("watched/new");
  runChecks(3);
  EXPECT_EQ(status(), "Stopped by user.");
  EXPECT_TRUE(reports.empty());
}

TEST_F(MyDocumentTest, SeesANewFileOnceAndReportsTheCount) {
  start();
  temp.File("watched/one");
  runChecks(1);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].itemCountChanged);
  EXPECT_EQ(reports[0].itemCount, 1);
  EXPECT_TRUE(reports[0].modificationDateChanged);
  EXPECT_FALSE(reports[0].folderMissing);
  runChecks(1);
  EXPECT_EQ(reports.size(), 1u) << "compared with the previous check, not the start";
  temp.File("watched/sub/deeper");  // a subfolder is one more item
  temp.File("watched/sub/deepest");
  runChecks(1);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1].itemCount, 2);
  std::filesystem::remove(temp / "watched/sub/deepest");
  runChecks(1);
  EXPECT_EQ(reports.size(), 2u) << "inside a subfolder changes nothing here";
}

TEST_F(MyDocumentTest, AddAndRemoveWithinTheSameSecondIsSeenByTheDateOnly) {
  window.checkItemCount.setState(0);
  // The folder's time is set to a whole second, so the change below happens in
  // the same second as far as one-second dates can tell.
  const timeval times[2] = {{1'700'000'000, 0}, {1'700'000'000, 0}};
  ASSERT_EQ(utimes(folder.c_str(), times), 0);
  start();
  temp.File("watched/blink");
  std::filesystem::remove(temp / "watched/blink");
  const timeval sameSecond[2] = {{1'700'000'000, 0}, {1'700'000'000, 400'000}};
  ASSERT_EQ(utimes(folder.c_str(), sameSecond), 0);
  runChecks(1);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].modificationDateChanged);
  EXPECT_FALSE(reports[0].itemCountChanged);
}

TEST_F(MyDocumentTest, BothCriteriaOffNeverReportsAnExistingFolder) {
  window.checkItemCount.setState(0);
  window.checkModificationDate.setState(0);
  start();
  temp.File("watched/a");
  runChecks(2);
  EXPECT_TRUE(reports.empty());
}

TEST_F(MyDocumentTest, ACriterionTurnedOnComparesWithTheStartsBaseline) {
  window.checkItemCount.setState(0);
  window.checkModificationDate.setState(0);
  start();
  temp.File("watched/a");
  runChecks(1);
  EXPECT_TRUE(reports.empty());
  window.checkItemCount.setState(1);
  runChecks(1);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].itemCount, 1);
}

TEST_F(MyDocumentTest, AMissingFolderIsAChangeAtEveryCheck) {
  struct Case {
    const char *what;
    std::function<void()> change;
  } const cases[] = {
      {"deleted", [&] { std::filesystem::remove_all(folder); }},
      {"replaced by a file", [&] {
         std::filesystem::remove_all(folder);
         temp.File("watched", "now a file");
       }},
      {"renamed", [&] { std::filesystem::rename(folder, temp / "elsewhere"); }},
  };
  for (const Case &c : cases) {
    reports.clear();
    std::filesystem::remove_all(temp / "elsewhere");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    start();
    c.change();
    runChecks(3);
    ASSERT_EQ(reports.size(), 3u) << c.what;
    EXPECT_TRUE(reports[2].folderMissing) << c.what;
    document->buttonStartStop(nullptr);
  }
}

TEST_F(MyDocumentTest, AnIntervalChangedWhileWaitingTakesEffectAfterTheNextCheck) {
  start();
  window.interval.setStringValue("3");
  services.loop.advance(9.9);
  EXPECT_EQ(status(), "Next check in 1 seconds.") << "the old schedule still runs";
  services.loop.advance(0.6);  // the check at 10 and its half at 10.5
  EXPECT_EQ(status(), "Next check in 3 seconds.");
  services.loop.advance(2.9);
  EXPECT_NE(status(), "Checking for target changes\u2026");
  services.loop.advance(0.2);  // 3 seconds after the half
  EXPECT_EQ(status(), "Checking for target changes\u2026");
}

TEST_F(MyDocumentTest, TheStopReactionStopsHalfASecondLaterAsTheDocument) {
  window.stopChecking.setState(1);
  start();
  temp.File("watched/a");
  runChecks(1);
  EXPECT_TRUE(document->isRunning());
  services.loop.advance(0.5);
  EXPECT_FALSE(document->isRunning());
  EXPECT_EQ(button(), "Start");
  EXPECT_EQ(status(), "Idle");
}

TEST_F(MyDocumentTest, LateHalvesAndLateStopsDoNothingOnceStopped) {
  window.stopChecking.setState(1);
  start();
  temp.File("watched/a");
  services.loop.advance(10.0);  // first half only
  document->buttonStartStop(nullptr);
  services.loop.advance(0.5);  // the second half arrives after the stop
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(status(), "Stopped by user.");

  start();
  temp.File("watched/b");
  runChecks(1);  // change seen: a delayed stop is pending
  document->buttonStartStop(nullptr);
  services.loop.advance(0.5);
  EXPECT_FALSE(document->isRunning()) << "the delayed stop must not start it again";
  EXPECT_EQ(status(), "Stopped by user.");
}

TEST_F(MyDocumentTest, ALateCheckRunsOnceAndTheCountdownRestartsFromTheInterval) {
  start();
  services.loop.advance(9.9);
  services.loop.stall(4.0);  // the run loop was held up
  services.loop.advance(0.0);  // the late check fires
  services.loop.advance(0.5);
  EXPECT_EQ(status(), "Next check in 10 seconds.");
}

TEST_F(MyDocumentTest, AnIntervalTheRunLoopCannotKeepFailsTheStart) {
  window.interval.setStringValue("1e999");
  document->buttonStartStop(nullptr);
  EXPECT_FALSE(document->isRunning());
  EXPECT_EQ(button(), "Start") << "state 2 leaves the texts as they were";
  services.loop.advance(100);
  EXPECT_TRUE(reports.empty());
}

TEST_F(MyDocumentTest, StartWhenOpenedTakesTheBaselineAtOpening) {
  StoredWindow second;
  second.folderPath.setStringValue(folder);
  second.interval.setStringValue("5");
  second.checkItemCount.setState(1);
  second.startWhenOpened.setState(1);
  temp.File("watched/existing");
  MyDocument opened(services);
  std::vector<ChangeReport> seen;
  opened.onChangeDetected([&](const ChangeReport &report) { seen.push_back(report); });
  opened.connectOutlets(second.outlets());
  opened.windowControllerDidLoadNib(&second);
  EXPECT_TRUE(opened.isRunning());
  runChecks(1, 5);
  EXPECT_TRUE(seen.empty()) << "the file present at opening is the baseline";
}

TEST_F(MyDocumentTest, ClosingADocumentEndsItsWatch) {
  window.stopChecking.setState(1);
  start();
  temp.File("watched/a");
  services.loop.advance(10.0);  // a second half is pending
  document.reset();
  services.loop.advance(60);  // nothing may reach the closed document
  EXPECT_TRUE(reports.empty());
}

TEST_F(MyDocumentTest, TheFolderChooserSetsThePathOnlyOnOK) {
  document->buttonChooseFolder(nullptr);
  ScriptedPanel *panel = services.lastPanel;
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(panel->multiple);
  EXPECT_FALSE(panel->packages);
  EXPECT_TRUE(panel->directories);
  EXPECT_FALSE(panel->files);
  EXPECT_EQ(panel->title, "Choose a Folder to Watch");
  EXPECT_EQ(panel->openedIn, desktop::HomeDirectory());
  EXPECT_EQ(panel->sheetWindow, &window);
  panel->chosen = {"/chosen/one", "/chosen/two"};
  panel->end(*panel, OpenPanel::kCancelButton);
  EXPECT_EQ(window.folderPath.stringValue(), folder);
  panel->end(*panel, OpenPanel::kOKButton);
  EXPECT_EQ(window.folderPath.stringValue(), "/chosen/one");
}

}  // namespace
}  // namespace vigil::app
