#include "platform/text/number_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/core/result_codes.h"

namespace {

struct PascalText {
  unsigned char bytes[256];
  explicit PascalText(const std::string &s) {
    bytes[0] = static_cast<unsigned char>(s.size());
    std::memcpy(bytes + 1, s.data(), s.size());
  }
};

std::string Text(const unsigned char *p) { return std::string(reinterpret_cast<const char *>(p + 1), p[0]); }

class NumberFormatEngine : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(GetSystemNumberParts(&parts_), noErr); }

  OSStatus Compile(const std::string &format) { return CompileNumberFormat(PascalText(format).bytes, &parts_, &format_); }

  std::string Write(const std::string &format, double value) {
    EXPECT_EQ(Compile(format), noErr) << format;
    unsigned char out[256] = {0};
    EXPECT_EQ(WriteNumberWithFormat(&format_, value, out), noErr) << format << " " << value;
    return Text(out);
  }

  NumberParts parts_;
  NumberFormat format_;
};

TEST_F(NumberFormatEngine, LocalePartsInTheCLocale) {
  static_assert(sizeof(NumberParts) == 172);
  EXPECT_EQ(parts_.symbols[kNumberPartDecimalPoint], '.');
  EXPECT_EQ(parts_.symbols[kNumberPartThousandsSeparator], ',');
  EXPECT_EQ(parts_.symbols[kNumberPartMinusSign], '-');
  UInt8 point = 0, separator = 0;
  EXPECT_EQ(GetSystemNumericFormat(&point, &separator), resNotFound);  // the C locale groups nothing
  EXPECT_EQ(separator, 0);
}

TEST_F(NumberFormatEngine, Writing) {
  struct Case {
    const char *format;
    double value;
    const char *want;
  } cases[] = {
      {"######0.##", 3.14159, "3.14"},  {"######0.##", 3.0, "3"},      {"######0.##", 0.004, "0"},
      {"0.00", 2.5, "2.50"},            {"#.##", 0.5, ".5"},           {"000", 7, "007"},
      {"#,##0", 1234567, "1,234,567"},  {"#,##0.0", -1234.56, "-1,234.6"}, {"$#0.00", -5, "-$5.00"},
      {"0 kg", 12, "12 kg"},            {"0;(0);zero", -3, "(3)"},     {"0;(0);zero", 0, "zero"},
      {"0;(0)", 0, "0"},                {"#", 0, "0"},                 {"0.0", 0.05, "0.1"},
      {"#0", 12345678901.0, "12345678901"},
  };
  for (const Case &c : cases) EXPECT_EQ(Write(c.format, c.value), c.want) << c.format << " " << c.value;
}

TEST_F(NumberFormatEngine, RefusedFormatsAndValues) {
  for (const char *bad : {"", "abc", "0.0.0", "0;0;0;0", "0 and 0", "0.0,0", ";0"}) {
    EXPECT_EQ(Compile(bad), paramErr) << bad;
  }
  EXPECT_EQ(Compile(std::string(40, 'x') + "0"), paramErr);  // a prefix over 32 bytes
  ASSERT_EQ(Compile("0.0"), noErr);
  unsigned char out[256] = {3, 'o', 'l', 'd'};
  EXPECT_EQ(WriteNumberWithFormat(&format_, 1.0 / 0.0, out), paramErr);
  EXPECT_EQ(WriteNumberWithFormat(&format_, 1e300, out), paramErr);
  EXPECT_EQ(Text(out), "old");
  EXPECT_EQ(WriteNumberWithFormat(nullptr, 1, out), paramErr);
}

TEST_F(NumberFormatEngine, Reading) {
  struct Case {
    const char *format;
    const char *text;
    bool ok;
    double value;
  } cases[] = {
      {"#,##0.00", "1,234.50", true, 1234.5}, {"#,##0.00", "-7", true, -7},     {"0.0", "1,234", false, 0},
      {"$0.00", "$3.25", true, 3.25},         {"$0.00", "3.25", false, 0},      {"0;(0)", "(12)", true, -12},
      {"0", "", false, 0},                    {"0", "-", false, 0},             {"0", "1.5.", false, 0},
      {"0", "+4", true, 4},                   {"0 kg", "12 kg", true, 12},      {"0", " 1", false, 0},
  };
  for (const Case &c : cases) {
    ASSERT_EQ(Compile(c.format), noErr);
    double value = -999;
    EXPECT_EQ(ReadNumberWithFormat(&format_, PascalText(c.text).bytes, &value), c.ok ? noErr : paramErr)
        << c.format << " / " << c.text;
    EXPECT_EQ(value, c.ok ? c.value : -999) << c.format << " / " << c.text;
  }
}

}  // namespace
