#include "lib/format/floating_point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lib/strings/pascal_test_util.hpp"
#include "platform/core/result_codes.h"

namespace {

using vigil::test::PString;

TEST(FloatingPoint, CanonicalFormatRoundTrips) {
  struct Case {
    double value;
    SInt16 fractionDigits;
    const char *want;
  } cases[] = {
      {3.25, 2, "3.25"},        {3.0, 2, "3"},           {-0.5, 3, "-0.5"},     {2.0 / 3.0, 4, "0.6667"},
      {1234567.891, 1, "1234567.9"}, {1e10, 2, "10000000000"}, {0.1, 0, "0.1"}, {-0.0001, 2, "0"},
      {1.0 / 3.0, 0, "0.333333333333"},  // 0 asks for 18, the format holds 12
  };
  for (const Case &c : cases) {
    PString dst;
    EXPECT_EQ(ConvertDoubleToString(c.value, c.fractionDigits, dst.get()), dst.get());
    EXPECT_EQ(dst.str(), c.want) << c.value;
    EXPECT_NEAR(ConvertStringToDouble(dst.get(), c.fractionDigits), std::stod(c.want), 1e-12) << c.want;
  }
  PString dst("junk");
  ConvertDoubleToString(NAN, 2, dst.get());
  EXPECT_EQ(dst.str(), "");
  EXPECT_EQ(ConvertStringToDouble(PString("12abc").get(), 2), 0.0);
}

TEST(FloatingPoint, CanonicalFormatRecord) {
  NumberFormat format;
  NumberParts parts{};
  parts.version = -1;
  EXPECT_EQ(CreateCannonicalStringFormat(3, &format, &parts), noErr);
  EXPECT_EQ(parts.version, 1);  // the system's table was copied in
  EXPECT_EQ(parts.symbols[kNumberPartDecimalPoint], '.');
  EXPECT_EQ(format.sectionCount, 1);
  EXPECT_EQ(format.sections[0].minIntegerDigits, 1);
  EXPECT_EQ(format.sections[0].maxFractionDigits, 3);
  EXPECT_EQ(CreateCannonicalStringFormat(40, &format, nullptr), noErr);
  EXPECT_EQ(format.sections[0].maxFractionDigits, 12);
}

TEST(FloatingPoint, CallerFormats) {
  PString dst("keep");
  EXPECT_EQ(FloatingPointValueToString(1234.5, dst.get(), PString("#,##0.00").get()), noErr);
  EXPECT_EQ(dst.str(), "1,234.50");
  EXPECT_EQ(FloatingPointValueToString(-3, dst.get(), PString("0.0;(0.0)").get()), noErr);
  EXPECT_EQ(dst.str(), "(3.0)");
  EXPECT_EQ(FloatingPointValueToString(1, dst.get(), PString("abc").get()), paramErr);
  EXPECT_EQ(dst.str(), "(3.0)");  // unchanged on failure
  EXPECT_EQ(FloatingPointValueToString(1, dst.get(), nullptr), paramErr);
  EXPECT_EQ(FloatingPointValueToString(1e300, dst.get(), PString("0").get()), paramErr);  // over 255 digits

  double value = 99;
  EXPECT_EQ(StringToFloatingPointValue(PString("1,234.50").get(), &value, PString("#,##0.00").get()), noErr);
  EXPECT_EQ(value, 1234.5);
  EXPECT_EQ(StringToFloatingPointValue(PString("(2.5)").get(), &value, PString("0.0;(0.0)").get()), noErr);
  EXPECT_EQ(value, -2.5);
  EXPECT_EQ(StringToFloatingPointValue(PString("2.5x").get(), &value, PString("0.0").get()), paramErr);
  EXPECT_EQ(value, -2.5);
}

}  // namespace
