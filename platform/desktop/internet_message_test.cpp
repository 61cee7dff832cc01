#include "platform/desktop/internet_message.hpp"

#include "tests/support/scoped_environment.hpp"

#include <string>

#include <gtest/gtest.h>

namespace {

using namespace vigil::desktop;

TEST(InternetMessage, AddressesAreBareAndCannotCarryHeaders) {
  for (const char *good : {"me@example.org", "first.last+tag@mail.example.co.uk", "x@localhost",
                           "o'neil@a-b.example", "{}!#$%&*=?^_`|~@x.y"}) {
    EXPECT_TRUE(IsMailAddress(good)) << good;
  }
  for (const char *bad :
       {"", "me", "@example.org", "me@", "me@example.org\r\nBcc: all@example.org",
        "me@example.org\nX: y", "Me <me@example.org>", "a@b.c, d@e.f", "a b@c.d", ".me@x.y",
        "me.@x.y", "m..e@x.y", "me@-x.y", "me@x-.y", "me@x..y", "me@exa mple.org",
        "\"quoted\"@x.y", "m\xC3\xA9@x.y"}) {
    EXPECT_FALSE(IsMailAddress(bad)) << bad;
  }
  EXPECT_FALSE(IsMailAddress(std::string(65, 'a') + "@x.y"));
  EXPECT_FALSE(IsMailAddress(std::string("me@x.y\0z", 8)));
}

TEST(InternetMessage, SubjectsArePlainOrEncodedAndNeverBreakTheHeader) {
  EXPECT_EQ(EncodeSubject("Folder changed", "\r\n"), "Folder changed");
  EXPECT_EQ(EncodeSubject("a\r\nBcc: x@y.z", "\r\n"), "a  Bcc: x@y.z");
  // Non-ASCII: base64 UTF-8 encoded words.
  EXPECT_EQ(EncodeSubject("Dossier modifi\xC3\xA9", "\r\n"), "=?UTF-8?B?RG9zc2llciBtb2RpZmnDqQ==?=");
  // Text that looks like an encoded word is encoded, not taken as one.
  EXPECT_EQ(EncodeSubject("=?UTF-8?B?QQ==?=", "\r\n").substr(0, 10), "=?UTF-8?B?");
  // Invalid UTF-8 becomes U+FFFD.
  EXPECT_EQ(EncodeSubject("\xFF", "\r\n"), "=?UTF-8?B?77+9?=");

  // Long text: words of at most 75 characters on folded lines, split between
  // characters (each 2-byte character stays whole).
  std::string longSubject;
  for (int i = 0; i < 40; ++i) longSubject += "\xC3\xA9";
  const std::string encoded = EncodeSubject(longSubject, "\r\n");
  size_t start = 0;
  int words = 0;
  while (start < encoded.size()) {
    size_t end = encoded.find("\r\n ", start);
    if (end == std::string::npos) end = encoded.size();
    const std::string word = encoded.substr(start, end - start);
    EXPECT_LE(word.size(), 75u);
    EXPECT_TRUE(word.starts_with("=?UTF-8?B?") && word.ends_with("?=")) << word;
    ++words;
    start = end + 3;
  }
  EXPECT_EQ(words, 2);  // 80 bytes: 44 in the first word, 36 in the second
}

TEST(InternetMessage, QuotedPrintableBody) {
  struct Case {
    std::string text;
    std::string expected;
  } cases[] = {
      {"plain text", "plain text\r\n"},
      {"a=b", "a=3Db\r\n"},
      {"caf\xC3\xA9", "caf=C3=A9\r\n"},
      {"one\ntwo\r\nthree\rfour\n", "one\r\ntwo\r\nthree\r\nfour\r\n"},
      {"\n\nafter two breaks", "\r\n\r\nafter two breaks\r\n"},
      {"ends with blank \nand tab\t", "ends with blank=20\r\nand tab=09\r\n"},
      {"", "\r\n"},
      {std::string(80, 'x'), std::string(75, 'x') + "=\r\n" + std::string(5, 'x') + "\r\n"},
      {std::string(76, 'x'), std::string(76, 'x') + "\r\n"},
      // An escape is never split by a soft break.
      {std::string(74, 'x') + "==", std::string(74, 'x') + "=\r\n=3D=3D\r\n"},
  };
  for (const Case &c : cases) EXPECT_EQ(QuotedPrintable(c.text, "\r\n"), c.expected) << c.text;
  EXPECT_EQ(QuotedPrintable("a\nb", "\n"), "a\nb\n");
}

TEST(InternetMessage, ComposedMessage) {
  // The time zone is put back (and read again) at the end.
  struct ZoneRestore {
    ~ZoneRestore() { tzset(); }
  } restore;
  vigil::testing::ScopedEnvironment environment;
  environment.set("TZ", "CET-1");
  tzset();
  MessageFields fields;
  fields.from = "vigil@example.org";
  fields.to = "me@example.org";
  fields.subject = "Changed";
  fields.body = "Hello\n";
  fields.date = 1'800'000'000;  // 2027-01-15 08:00:00 UTC
  fields.messageId = "<id@example.org>";
  EXPECT_EQ(ComposeMessage(fields, "\r\n"),
            "Date: Fri, 15 Jan 2027 09:00:00 +0100\r\n"
            "From: vigil@example.org\r\n"
            "To: me@example.org\r\n"
            "Subject: Changed\r\n"
            "Message-ID: <id@example.org>\r\n"
            "MIME-Version: 1.0\r\n"
            "Content-Type: text/plain; charset=UTF-8\r\n"
            "Content-Transfer-Encoding: quoted-printable\r\n"
            "\r\n"
            "Hello\r\n");
  environment.set("TZ", "EST5");
  tzset();
  EXPECT_EQ(MessageDate(1'800'000'000), "Fri, 15 Jan 2027 03:00:00 -0500");
  const std::string id = NewMessageId("example.org");
  EXPECT_TRUE(id.starts_with("<") && id.ends_with("@example.org>")) << id;
  EXPECT_NE(id, NewMessageId("example.org"));
}

}  // namespace
