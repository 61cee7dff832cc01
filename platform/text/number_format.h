/* The number-format engine: number symbols of the user's locale, and
 * number-format strings compiled, then used to write and read floating-point
 * values as Pascal strings.
 *
 * The format language: '#' a digit written only where significant, '0' a digit
 * always written, '.' the decimal point, ',' among the integer digits asks for
 * thousands separators, and any other character is copied as it stands. Up to
 * three sections separated by ';' apply to positive, negative and zero values;
 * with one section a negative value gets a minus sign in front; the zero
 * section may be text alone ('0;(0);none'). Integer digits
 * beyond those the format shows are always written, never dropped. */
#ifndef VIGIL_PLATFORM_TEXT_NUMBER_FORMAT_H
#define VIGIL_PLATFORM_TEXT_NUMBER_FORMAT_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The number symbols of a script system, one Mac OS Roman byte each in the low
 * byte of a slot (0 for none): 172 bytes. */
enum {
  kNumberPartDecimalPoint = 0,
  kNumberPartThousandsSeparator = 1,
  kNumberPartMinusSign = 2,
  kNumberPartPlusSign = 3,
  kNumberPartCount = 31
};
typedef struct NumberParts {
  SInt16 version;
  UInt16 symbols[kNumberPartCount];
  UInt8 reserved[108];
} NumberParts;

/* A compiled number format. */
typedef struct NumberFormatSection {
  UInt8 minIntegerDigits;
  UInt8 minFractionDigits;
  UInt8 maxFractionDigits;
  UInt8 grouped;
  UInt8 hasDigits; /* 0 for a zero section of text alone, kept in prefix */
  UInt8 prefixLength;
  UInt8 suffixLength;
  char prefix[32];
  char suffix[32];
} NumberFormatSection;
typedef struct NumberFormat {
  UInt8 sectionCount; /* 1 to 3: positive; negative; zero */
  UInt8 decimalPoint;
  UInt8 thousandsSeparator;
  UInt8 minusSign;
  NumberFormatSection sections[3];
} NumberFormat;

/* The number symbols of the system script and of the current script: both are
 * those of the user's LC_NUMERIC locale (decimal point, thousands separator,
 * '-' and '+'), with '.' and ',' where the locale gives none. Return 0. */
OSErr GetSystemNumberParts(NumberParts *outParts);
OSErr GetCurrentNumberParts(NumberParts *outParts);

/* The system's numeric format: the locale's decimal point and thousands
 * separator. -192 (resNotFound) when the locale has no thousands separator
 * that is one Mac OS Roman byte (the C locale has none); the out-parameters are
 * then left alone. */
OSErr GetSystemNumericFormat(UInt8 *outDecimalPoint, UInt8 *outThousandsSeparator);

/* Compile format with the symbols of parts. -50 (paramErr) for a format that is
 * empty, has no digit in a section, more than one '.' in a section, more than
 * three sections, or affixes longer than 32 bytes. */
OSStatus CompileNumberFormat(ConstStr255Param format, const NumberParts *parts, NumberFormat *outFormat);

/* value through format into outString. -50 for a value that is not finite or
 * whose digits would not fit in 255 characters; outString is then unchanged. */
OSStatus WriteNumberWithFormat(const NumberFormat *format, double value, StringPtr outString);

/* text through format into *outValue: the section's prefix, digits (with
 * thousands separators where the section groups), an optional decimal point and
 * fraction digits, the suffix, and nothing else. -50 otherwise, *outValue then
 * unchanged. */
OSStatus ReadNumberWithFormat(const NumberFormat *format, ConstStr255Param text, double *outValue);

#ifdef __cplusplus
}
#endif

#endif
