// Delivery through the local sendmail program; SMTP servers are end-to-end tests.
#include "platform/desktop/configured_mail_delivery.hpp"

#include "tests/support/file_contents.hpp"
#include "tests/support/scoped_environment.hpp"
#include "tests/support/temp_folder.hpp"

#include <sys/stat.h>

#include <fstream>

#include <gtest/gtest.h>

namespace {

using vigil::testing::FileContents;

using vigil::desktop::ConfiguredMailDelivery;

class SendmailDelivery : public ::testing::Test {
 protected:
  SendmailDelivery() {
    environment_.set("PATH", temp_.Folder("empty-path"));
    // A sendmail that keeps its arguments and the message it was given.
    const std::string program = temp_.File(
        "sbin/sendmail", "#!/bin/sh\necho \"$@\" > \"" + temp_ / "arguments" + "\"\n/bin/cat > \"" +
                             temp_ / "message" + "\"\nexit ${VIGIL_TEST_SENDMAIL_STATUS:-0}\n");
    chmod(program.c_str(), 0755);
    temp_.File("vigil.ini", "[mail]\nfrom = watcher@example.org\n");
  }

  ConfiguredMailDelivery delivery() {
    return ConfiguredMailDelivery(temp_ / "vigil.ini", {temp_ / "sbin"});
  }

  vigil::testing::TempFolder temp_;
  vigil::testing::ScopedEnvironment environment_;
};

TEST_F(SendmailDelivery, HandsTheMessageToSendmail) {
  ASSERT_TRUE(delivery().deliverMessage("Body\nline", "Subject", " me@example.org "));
  EXPECT_EQ(FileContents(temp_ / "arguments"), "-t -i\n");
  const std::string message = FileContents(temp_ / "message");
  EXPECT_EQ(message.find('\r'), std::string::npos);  // local line endings
  EXPECT_NE(message.find("\nFrom: watcher@example.org\n"), std::string::npos) << message;
  EXPECT_NE(message.find("\nTo: me@example.org\n"), std::string::npos);
  EXPECT_NE(message.find("\nSubject: Subject\n"), std::string::npos);
  EXPECT_NE(message.find("@example.org>\n"), std::string::npos);  // the message ID's domain
  EXPECT_TRUE(message.ends_with("\n\nBody\nline\n")) << message;
}

TEST_F(SendmailDelivery, RefusedOrMissingSendmailOrBadAddressIsNotAccepted) {
  EXPECT_FALSE(delivery().deliverMessage("Body", "Subject", "me@example.org\nBcc: x@y.z"));
  EXPECT_FALSE(delivery().deliverMessage("Body", "Subject", ""));
  temp_.File("vigil.ini", "[mail]\nfrom = not an address\n");
  EXPECT_FALSE(delivery().deliverMessage("Body", "Subject", "me@example.org"));
  EXPECT_FALSE(std::ifstream(temp_ / "message").good());  // nothing reached sendmail

  temp_.File("vigil.ini", "");
  environment_.set("VIGIL_TEST_SENDMAIL_STATUS", "75");
  EXPECT_FALSE(delivery().deliverMessage("Body", "Subject", "me@example.org"));
  EXPECT_TRUE(std::ifstream(temp_ / "message").good());  // it was handed over, and refused
  EXPECT_FALSE(ConfiguredMailDelivery(temp_ / "vigil.ini", {temp_ / "nowhere"})
                   .deliverMessage("Body", "Subject", "me@example.org"));
}

}  // namespace
