#include "lib/text/number_parse.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr SInt64 kUntouched = -77;

struct Parsed {
  SInt64 value;
  SInt64 next;  // offset of outNext, or kUntouched
  UInt32 remaining;
};

template <typename Function>
Parsed ParseWith(Function parse, const std::string &text) {
  const char *next = nullptr;
  UInt32 remaining = 9999;
  const SInt64 value = static_cast<SInt64>(parse(text.data(), static_cast<UInt32>(text.size()), &next, &remaining));
  return {value, next ? next - text.data() : kUntouched, remaining};
}

TEST(ParseIntegers, Table) {
  struct Case {
    const char *name;
    Parsed (*run)(const std::string &);
    std::string text;
    SInt64 value;
    SInt64 next;
  };
  const auto decimal = [](const std::string &t) { return ParseWith(ParseDecimalInteger, t); };
  const auto decimal64 = [](const std::string &t) { return ParseWith(ParseDecimalInteger64, t); };
  const auto hex = [](const std::string &t) { return ParseWith(ParseHexInteger, t); };
  const auto hex64 = [](const std::string &t) { return ParseWith(ParseHexInteger64, t); };
  const auto binary = [](const std::string &t) { return ParseWith(ParseBinaryInteger, t); };
  const auto binary64 = [](const std::string &t) { return ParseWith(ParseBinaryInteger64, t); };
  const auto octal = [](const std::string &t) { return ParseWith(ParseOctalInteger, t); };
  const auto octal64 = [](const std::string &t) { return ParseWith(ParseOctalInteger64, t); };
  const Case cases[] = {
      {"decimal", decimal, "  -42 rest", -42, 5},
      {"decimal", decimal, "+7", 0, 0},          // no '+'
      {"decimal", decimal, "- 7", 0, 1},         // the '-' is consumed
      {"decimal", decimal, "4294967297", 1, 10},  // wraps
      {"decimal", decimal, "\t\n12", 12, 4},
      {"decimal", decimal, "", 0, 0},
      {"decimal64", decimal64, "4294967297", 4294967297LL, 10},
      {"decimal64", decimal64, "-9223372036854775808", INT64_MIN, 20},
      {"hex", hex, "ffG", 255, 2},
      {"hex", hex, "0x10", 0, 1},  // no prefix
      {"hex", hex, "1FFFFFFFF", 0xFFFFFFFF, 9},
      {"hex64", hex64, "1FFFFFFFF", 0x1FFFFFFFFLL, 9},
      {"binary", binary, "1012", 5, 3},
      {"binary64", binary64, " 11", 3, 3},
      {"octal", octal, "178", 15, 2},
      {"octal64", octal64, "777", 511, 3},
  };
  for (const Case &c : cases) {
    const Parsed got = c.run(c.text);
    EXPECT_EQ(got.value, c.value) << c.name << " '" << c.text << "'";
    EXPECT_EQ(got.next, c.next) << c.name << " '" << c.text << "'";
    EXPECT_EQ(got.remaining, c.text.size() - static_cast<std::size_t>(c.next)) << c.name << " '" << c.text << "'";
  }
}

TEST(ParseIntegers, OutParametersAreOptional) {
  EXPECT_EQ(ParseDecimalInteger("12", 2, nullptr, nullptr), 12);
  EXPECT_EQ(ParseHexInteger(nullptr, 0, nullptr, nullptr), 0u);
}

TEST(ParseFormattedInteger, PrefixesAndBases) {
  struct Case {
    std::string text;
    SInt32 base;
    SInt64 value;
    SInt64 next;
  } cases[] = {
      {" 0x1F", 10, 31, 5}, {"$ff", 10, 255, 3},   {"#0012", 16, 12, 5}, {"0B101", 10, 5, 5},
      {"17", 8, 15, 2},     {"17", 3, 0, kUntouched}, {"$", 16, 0, 0},  {"0x10", 10, 16, 4},
      {"0b1", 16, 1, 3},    {"-0x10", 16, 0, 0},   {"-0x10", 10, 0, 2}, {"12", 2, 1, 1},
  };
  for (const Case &c : cases) {
    const auto run32 = [&](const char *t, UInt32 l, const char **n, UInt32 *r) { return ParseFormattedInteger(t, l, c.base, n, r); };
    const Parsed got = ParseWith(run32, c.text);
    EXPECT_EQ(got.value, c.value) << c.text << " base " << c.base;
    EXPECT_EQ(got.next, c.next) << c.text << " base " << c.base;
    if (c.next == kUntouched) {
      EXPECT_EQ(got.remaining, 9999u);
    }
  }
  const char *next = nullptr;
  EXPECT_EQ(ParseFormattedInteger64("0x1FFFFFFFF", 11, 10, &next, nullptr), 0x1FFFFFFFFLL);
  EXPECT_EQ(ParseFormattedInteger("0x1FFFFFFFF", 11, 10, &next, nullptr), -1);
}

TEST(TextToInt32, WholeFields) {
  struct Case {
    const char *text;
    UInt32 length;
    SInt32 base;
    SInt32 value;
  } cases[] = {
      {"  -1,234", 0xFFFFFFFFu, 10, -1234}, {"017", 0xFFFFFFFFu, 0, 15}, {"017", 0xFFFFFFFFu, 10, 17},
      {"0x1g", 0xFFFFFFFFu, 0, 1},          {"12", 0xFFFFFFFFu, 5, 0},   {"1,234,5", 0xFFFFFFFFu, 10, 12345},
      {"+42", 0xFFFFFFFFu, 0, 42},          {"0b101", 0xFFFFFFFFu, 10, 5}, {"ff", 0xFFFFFFFFu, 16, 255},
      {"12345", 3, 10, 123},                {"08", 0xFFFFFFFFu, 0, 8},   {"", 0xFFFFFFFFu, 0, 0},
  };
  for (const Case &c : cases) EXPECT_EQ(TextToInt32(c.text, c.length, c.base), c.value) << c.text << " base " << c.base;
  EXPECT_EQ(TextToInt32(nullptr, 0xFFFFFFFFu, 10), 0);
}

}  // namespace
