#include "lib/text/text_tokenize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lib/text/text_hash.h"

namespace {

TEST(TextTokenize, TokenAndRunOfDelimiters) {
  const char text[] = ",a,";
  UInt32 tokenLength = 9, nextLength = 9;
  const char *next = nullptr;
  EXPECT_EQ(TextTokenize(text, 3, ",", 1, 1, &tokenLength, &next, &nextLength), text);
  EXPECT_EQ(tokenLength, 0u);
  EXPECT_EQ(next, text + 1);
  EXPECT_EQ(nextLength, 2u);

  const char run[] = "ab;;,cd";
  EXPECT_EQ(TextTokenize(run, 7, ",;", 2, 1, &tokenLength, &next, &nextLength), run);
  EXPECT_EQ(tokenLength, 2u);
  EXPECT_EQ(next, run + 5);
  EXPECT_EQ(nextLength, 2u);

  EXPECT_EQ(TextTokenize("abc", 3, ",", 1, 1, &tokenLength, &next, &nextLength), nullptr);
  EXPECT_EQ(tokenLength, 0u);
  EXPECT_EQ(next, nullptr);
  EXPECT_EQ(nextLength, 0u);
  EXPECT_EQ(TextTokenize("aXb", 3, "x", 1, 0, &tokenLength, nullptr, nullptr) != nullptr, true);
  EXPECT_EQ(tokenLength, 1u);

  const char ends[] = "ab,,";
  EXPECT_EQ(TextTokenize(ends, 4, ",", 1, 1, &tokenLength, &next, &nextLength), ends);
  EXPECT_EQ(next, ends + 4);  // the run reaches the end
  EXPECT_EQ(nextLength, 0u);
}

std::vector<std::string> MutableTokens(const std::string &text, const char *delimiters) {
  std::vector<std::string> tokens;
  UInt32 length = 0;
  const char *token = TextMutableTokenize(text.data(), static_cast<UInt32>(text.size()), delimiters, 1, 1, &length);
  for (; token; token = TextMutableTokenize(nullptr, 0, delimiters, 1, 1, &length)) tokens.emplace_back(token, length);
  return tokens;
}

TEST(TextMutableTokenize, ResumesUntilNoDelimiter) {
  EXPECT_EQ(MutableTokens("a,b,,c", ","), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(MutableTokens("x;y;", ";"), (std::vector<std::string>{"x", "y"}));
  UInt32 length = 5;
  EXPECT_EQ(TextMutableTokenize(nullptr, 0, ",", 1, 1, &length), nullptr);  // nothing under way
  // A new text abandons the old one.
  const std::string first = "1,2,3,";
  EXPECT_NE(TextMutableTokenize(first.data(), 6, ",", 1, 1, &length), nullptr);
  const std::string second = "p,q,";
  EXPECT_EQ(TextMutableTokenize(second.data(), 4, ",", 1, 1, &length), second.data());
  EXPECT_EQ(TextMutableTokenize(nullptr, 0, ",", 1, 1, &length), second.data() + 2);
}

TEST(TextHash, MultiplyBy37) {
  EXPECT_EQ(ASCIIHashText("ab", 2, 1000), (97u * 37u + 98u) % 1000u);
  EXPECT_EQ(ASCIIHashText("ab", 2, 1000), 687u);
  EXPECT_EQ(ASCIIHashText("", 0, 7), 0u);
  EXPECT_EQ(ASCIIHashCString("ab", 1000), 687u);
  EXPECT_EQ(ASCIIHashText("\xFF", 1, 1000), 255u);  // bytes are unsigned
  // Wraps at 32 bits: 20 bytes of 'z' overflow many times over.
  UInt32 h = 0;
  for (int i = 0; i < 20; ++i) h = h * 37u + 'z';
  EXPECT_EQ(ASCIIHashCString("zzzzzzzzzzzzzzzzzzzz", 0xFFFFFFFFu), h % 0xFFFFFFFFu);
  EXPECT_EQ(ASCIIHashText("ab", 2, 0), 97u * 37u + 98u);  // modulus 0 leaves the hash unreduced
}

}  // namespace
