#include "app/document_test_services.hpp"
#include "app/my_document.hpp"
#include "app/stored_window.hpp"
#include "tests/support/temp_folder.hpp"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vigil::app {
namespace {

using Events = std::vector<std::string>;

class ReactionsTest : public ::testing::Test {
 protected:
  ReactionsTest() : document(services) {
    folder = temp.Folder("watched");
    window.folderPath.setStringValue(folder);
    window.interval.setStringValue("10");
    window.intervalUnits.selectItemAtIndex(0);
    window.eMailAddress.setStringValue("ops@example.org");
    window.eMailMessage.setStringValue("Hello");
    document.connectOutlets(window.outlets());
    document.windowControllerDidLoadNib(&window);
  }
  void start() {
    document.buttonStartStop(nullptr);
    ASSERT_TRUE(document.isRunning());
  }
  void check() { services.loop.advance(10.5); }
  std::string folderLine() const { return "The folder " + folder + " has changed."; }

  testing::TempFolder temp;
  std::string folder;
  TestServices services;
  StoredWindow window;
  MyDocument document;
};

TEST_F(ReactionsTest, AllReactionsRunInTheirOrderAndTheWatchStopsHalfASecondLater) {
  const std::string one = temp.File("one.txt"), two = temp.File("two.txt");
  for (auto *box : {&window.beep, &window.sendEMail, &window.revealTarget, &window.stopChecking,
                    &window.openFiles}) {
    box->setState(1);
  }
  window.openFilePath1.setStringValue(one);
  window.openFilePath2.setStringValue(two);
  services.openablePaths = {one, two};
  start();
  temp.File("watched/new");
  check();
  EXPECT_EQ(services.events, (Events{"beep", "mail to ops@example.org", "open " + one, "open " + two}));
  EXPECT_TRUE(document.isRunning());
  services.loop.advance(0.5);
  EXPECT_FALSE(document.isRunning());
  EXPECT_EQ(window.status.stringValue(), "Idle");
  EXPECT_EQ(window.buttonStart.title(), "Start");
}

TEST_F(ReactionsTest, TheMessageSaysWhatChanged) {
  window.sendEMail.setState(1);
  struct Case {
    const char *what;
    bool count, date;
    std::function<void()> change;
    std::string bodyEnd;
  } const cases[] = {
      {"only the date", false, true, [&] { temp.File("watched/a"); },
       "\n\nIts modification date is different.\n"},
      {"only the count", true, false, [&] { temp.File("watched/b"); }, "\n\nIt now holds 2 items."},
      {"the folder missing", true, true, [&] { std::filesystem::remove_all(folder); }, "\n\n"},
  };
  for (const Case &c : cases) {
    services.messages.clear();
    window.checkItemCount.setState(c.count);
    window.checkModificationDate.setState(c.date);
    start();
    c.change();
    check();
    document.buttonStartStop(nullptr);
    ASSERT_EQ(services.messages.size(), 1u) << c.what;
    const SentMessage &message = services.messages[0];
    EXPECT_EQ(message.to, "ops@example.org");
    EXPECT_EQ(message.subject, folderLine());
    EXPECT_EQ(message.body, "Hello\n\n" + folderLine() + c.bodyEnd) << c.what;
  }
}

TEST_F(ReactionsTest, AnEmptyMessageFieldStartsTheBodyWithTheLineFeeds) {
  window.sendEMail.setState(1);
  window.eMailMessage.setStringValue("");
  window.checkModificationDate.setState(0);
  start();
  temp.File("watched/a");
  check();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].body, "\n\n" + folderLine() + "\n\nIt now holds 1 items.");
}

TEST_F(ReactionsTest, ARefusedMessageShowsOneAlertPerChangeAndTheWatchGoesOn) {
  window.sendEMail.setState(1);
  window.beep.setState(0);
  services.mailAccepted = false;
  start();
  const Events alert = {"mail to ops@example.org",
                        "alert: Sending the Email notification failed. / Please check the mail "
                        "settings in ~/.config/vigil/vigil.ini and the recipient's address. / OK"};
  temp.File("watched/a");
  check();
  EXPECT_EQ(services.events, alert);
  check();
  EXPECT_EQ(services.events.size(), 2u) << "no change, no message";
  temp.File("watched/b");
  check();
  EXPECT_EQ(services.events.size(), 4u);
  EXPECT_TRUE(document.isRunning());
}

TEST_F(ReactionsTest, EachFileThatCannotBeOpenedBeeps) {
  window.openFiles.setState(1);
  start();
  temp.File("watched/a");
  check();
  EXPECT_TRUE(services.events.empty()) << "both paths empty: nothing opened, no beep";

  const std::string good = temp.File("good.txt");
  services.openablePaths = {good};
  window.openFilePath1.setStringValue(temp / "nothing-here");
  window.openFilePath2.setStringValue(good);
  temp.File("watched/b");
  check();
  EXPECT_EQ(services.events, (Events{"open " + (temp / "nothing-here"), "beep", "open " + good}));
}

TEST_F(ReactionsTest, FlagsAreClearedSoTheNextChangeIsReportedAlone) {
  window.sendEMail.setState(1);
  start();
  temp.File("watched/a");
  check();
  std::filesystem::remove_all(folder);
  check();
  ASSERT_EQ(services.messages.size(), 2u);
  EXPECT_EQ(services.messages[1].body, "Hello\n\n" + folderLine() + "\n\n");
}

}  // namespace
}  // namespace vigil::app
