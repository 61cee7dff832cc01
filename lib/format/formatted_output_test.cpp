#include "lib/format/formatted_output.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lib/strings/pascal_test_util.hpp"

namespace {

std::string Print1(const char *format, UInt32 word) {
  char out[128];
  std::memset(out, 'Z', sizeof out);
  const SInt32 length = SPrintF(out, format, word);
  EXPECT_EQ(static_cast<std::size_t>(length), std::strlen(out)) << format;
  return out;
}

std::string PrintString(const char *format, const void *pointer) {
  char out[128];
  SPrintF(out, format, pointer);
  return out;
}

TEST(SPrintF, Numbers) {
  struct Case {
    const char *format;
    UInt32 value;
    const char *want;
  } cases[] = {
      {"a%db", 7, "a7b"},
      {"%5d", 42, "   42"},
      {"%05d", 42, "00042"},
      {"%.3d", 7, "007"},
      {"%8.3d", 7, "007"},  // the precision replaces the width
      {"%d", 0x80000000u, "-2147483648"},
      {"%5d", static_cast<UInt32>(-42), "-   42"},   // the sign stays outside the field
      {"%05d", static_cast<UInt32>(-42), "-00042"},
      {"%x", 255, "ff"},
      {"%X", 255, "FF"},
      {"%o", 8, "10"},
      {"%u", static_cast<UInt32>(-1), "4294967295"},
      {"%lu%%", 3, "3"},    // 'l' and '%' are skipped inside a directive
      {"100%%d", 5, "1005"},
      {"%-5d|", 42, "   42|"},  // numbers are always right-aligned
      {"%0d!", 5, "!"},    // vanishes and takes no argument
      {"%q!", 5, "!"},
      {"%.0d", 0, "0"},
      {"%40d", 1, "                               1"},  // cut to the 32-character field
      {"%.40x", 1, "00000000000000000000000000000001"},
      {"%", 1, ""},
      {"ab%5", 1, "ab"},   // the format ends inside a directive
  };
  for (const Case &c : cases) {
    EXPECT_EQ(Print1(c.format, c.value), c.want) << c.format;
  }
}

TEST(SPrintF, StringsAndCharacters) {
  EXPECT_EQ(PrintString("%-5s|", "ab"), "ab   |");
  EXPECT_EQ(PrintString("%5s|", "ab"), "   ab|");
  EXPECT_EQ(PrintString("%.2s|", "abcdef"), "ab|");
  EXPECT_EQ(PrintString("%s|", static_cast<const char *>(nullptr)), "|");
  vigil::test::PString hi("hi");
  EXPECT_EQ(PrintString("%P", hi.get()), "hi");
  EXPECT_EQ(PrintString("[%4P]", hi.get()), "[  hi]");
  EXPECT_EQ(PrintString("[%-4.1P]", hi.get()), "[h   ]");
  EXPECT_EQ(Print1("%3c", 'z'), "  z");
  EXPECT_EQ(Print1("%-3c|", 'z'), "z  |");
  EXPECT_EQ(Print1("%c", 0x100 + 'y'), "y");

  char out[64];
  EXPECT_EQ(SPrintF(out, "%.*s|%d", 3, "abcdef", 9), 5);
  EXPECT_STREQ(out, "abc|9");
  EXPECT_EQ(SPrintF(out, "%s=%5d, %-4s%c", "n", 12, "ok", '!'), 14);
  EXPECT_STREQ(out, "n=   12, ok  !");
}

TEST(SPrintF, NullArguments) {
  char out[8] = "keep";
  EXPECT_EQ(SPrintF(nullptr, "x"), -1);
  EXPECT_EQ(SPrintF(out, nullptr), -1);
  EXPECT_STREQ(out, "keep");
}

TEST(NumberToString, DirectUse) {
  char out[40];
  EXPECT_EQ(NumberToString(255, 2, 0, 0, 0, false, out), out + 8);
  EXPECT_STREQ(out, "11111111");
  NumberToString(100, 7, ' ', 5, 0, false, out);  // any base 3 to 15
  EXPECT_STREQ(out, "  202");
  NumberToString(0xBEEF, 16, '0', 6, 0, true, out);
  EXPECT_STREQ(out, "00BEEF");
  EXPECT_EQ(NumberToString(5, 1, 0, 0, 0, false, out), out);  // an unknown base writes nothing
  EXPECT_STREQ(out, "");
  char *end = NumberToString(static_cast<UInt32>(-7), -10, '0', 1000, 0, false, out);
  EXPECT_EQ(end - out, 32);  // never past the field
  EXPECT_EQ(out[0], '-');
}

TEST(StringToNumber, Table) {
  struct Case {
    const char *text;
    SInt32 base;
    SInt32 want;
    std::size_t end;
  } cases[] = {
      {"  -12x", 10, -12, 5}, {"ff", 16, 255, 2}, {"12", 8, 0, 0},   {"\t\n7", 10, 7, 3},
      {"\v7", 10, 0, 0},      {"-", 10, 0, 1},    {"4294967298", 10, 2, 10}, {"FFg", 16, 255, 2},
  };
  for (const Case &c : cases) {
    char *end = nullptr;
    EXPECT_EQ(StringToNumber(c.text, &end, c.base), c.want) << c.text;
    EXPECT_EQ(static_cast<std::size_t>(end - c.text), c.end) << c.text;
  }
  EXPECT_EQ(StringToNumber("42", nullptr, 10), 42);
}

}  // namespace
