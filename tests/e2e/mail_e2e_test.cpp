// Mail through a real SMTP server on loopback: what it receives, and the
// failures (a refusing server, a silent one, no server at all).
#include "platform/desktop/configured_mail_delivery.hpp"
#include "tests/e2e/helper_process.hpp"
#include "tests/support/file_contents.hpp"
#include "tests/support/temp_folder.hpp"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

namespace {

using vigil::testing::FileContents;

using vigil::desktop::ConfiguredMailDelivery;
using vigil::testing::HelperProcess;

class MailServer : public ::testing::Test {
 protected:
  // Starts the server in a mode and points the preferences at it.
  std::string Start(const std::string &mode, const std::string &extraSettings = "") {
    server_ = std::make_unique<HelperProcess>(std::vector<std::string>{
        VIGIL_SYSTEM_PYTHON, VIGIL_E2E_DIR "/smtp_server.py", temp_.Folder("received"), mode});
    const auto port = server_->readLine();
    EXPECT_TRUE(port) << "the mail server did not start";
    temp_.File("vigil.ini", "[mail]\nserver = smtp://127.0.0.1:" + port.value_or("1") +
                                "\nfrom = watcher@example.org\n" + extraSettings);
    return port.value_or("");
  }

  bool Deliver(const std::string &body, const std::string &subject,
               const std::string &to = "me@example.org") {
    return ConfiguredMailDelivery(temp_ / "vigil.ini", {}).deliverMessage(body, subject, to);
  }

  std::string Received(const std::string &name) { return FileContents(temp_ / ("received/" + name)); }

  vigil::testing::TempFolder temp_;
  std::unique_ptr<HelperProcess> server_;
};

TEST_F(MailServer, ReceivesAProperMessage) {
  Start("accept");
  const std::string body =
      "Look at this\n\nThe folder \"/data/\xC3\xA9t\xC3\xA9\" has changed.\n\n"
      "The modification date is different.\n"
      ".\n"  // a line of one dot is text, not the end
      "A long line: " + std::string(120, 'x') + " = done";
  const std::string subject = "The folder \"/data/\xC3\xA9t\xC3\xA9\" has changed.";
  ASSERT_TRUE(Deliver(body, subject));
  EXPECT_EQ(Received("envelope"), "watcher@example.org\nme@example.org\n");
  EXPECT_EQ(Received("headers"),
            "Date\nFrom\nTo\nSubject\nMessage-ID\nMIME-Version\nContent-Type\n"
            "Content-Transfer-Encoding\n");
  EXPECT_EQ(Received("subject"), subject);
  EXPECT_EQ(Received("body"), body + "\n");  // a message always ends its last line
  const std::string message = Received("message");
  EXPECT_NE(message.find("Content-Type: text/plain; charset=UTF-8\r\n"), std::string::npos);
  EXPECT_NE(message.find("Subject: =?UTF-8?B?"), std::string::npos);  // non-ASCII: encoded
}

TEST_F(MailServer, SubjectAndAddressCannotAddHeaders) {
  Start("accept");
  ASSERT_TRUE(Deliver("Body", "Changed\r\nBcc: everyone@example.org"));
  EXPECT_EQ(Received("subject"), "Changed  Bcc: everyone@example.org");
  EXPECT_EQ(Received("headers").find("Bcc"), std::string::npos);
  EXPECT_FALSE(Deliver("Body", "Changed", "me@example.org\r\nBcc: everyone@example.org"));
}

TEST_F(MailServer, LogsInWithTheConfiguredAccount) {
  Start("login", "username = vigil\npassword = secret\n");
  ASSERT_TRUE(Deliver("Body", "Subject"));
  EXPECT_EQ(Received("login"), "vigil");
  Start("login", "username = vigil\npassword = wrong\n");
  EXPECT_FALSE(Deliver("Body", "Subject"));
}

TEST_F(MailServer, RefusedMailIsNotAccepted) {
  Start("refuse");
  EXPECT_FALSE(Deliver("Body", "Subject"));
  EXPECT_FALSE(std::filesystem::exists(temp_ / "received/envelope"));
}

TEST_F(MailServer, ASilentServerRunsOutOfTime) {
  Start("silent", "timeout = 2\n");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(Deliver("Body", "Subject"));
  std::printf("gave up after %lld ms\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now() - start)
                                         .count()));
}

TEST_F(MailServer, NoServerListening) {
  temp_.File("vigil.ini", "[mail]\nserver = smtp://127.0.0.1:1\nfrom = watcher@example.org\n");
  EXPECT_FALSE(Deliver("Body", "Subject"));
  temp_.File("vigil.ini", "[mail]\nserver = http://127.0.0.1:1\nfrom = watcher@example.org\n");
  EXPECT_FALSE(Deliver("Body", "Subject"));  // only SMTP URLs are servers
}

}  // namespace
