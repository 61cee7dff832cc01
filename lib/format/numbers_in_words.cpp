#include "lib/format/numbers_in_words.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "lib/text/ascii.hpp"

namespace {

constexpr const char *kLiteralUnits[] = {"Zero",    "One",     "Two",       "Three",    "Four",
                                         "Five",    "Six",     "Seven",     "Eight",    "Nine",
                                         "Ten",     "Eleven",  "Twelve",    "Thirteen", "Fourteen",
                                         "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
constexpr const char *kLiteralTens[] = {"Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

struct Scale {
  double value;
  const char *word;
};
constexpr Scale kScales[] = {{1e12, "Trillion"}, {1e9, "Billion"}, {1e6, "Million"}, {1e3, "Thousand"}};
constexpr double kLargestTrillions = 2000;

constexpr const char *kOrdinalStrings[] = {"th", "st", "nd", "rd"};

struct RomanLetter {
  UInt32 value;
  char letter;
};
// In ascending order: a record's position is its letter's order.
constexpr RomanLetter kRomanNumeralToIntegerMappingTable[] = {{1, 'I'},   {5, 'V'},   {10, 'X'},  {50, 'L'},
                                                              {100, 'C'}, {500, 'D'}, {1000, 'M'}};

struct RomanNumeral {
  UInt32 value;
  const char *text;
};
// Seven pairs of a repeatable numeral and a subtractive one; the last pair's
// second record is never reached, the value being 0 by then.
constexpr RomanNumeral kIntegerToRomanNumeralTable[] = {
    {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
    {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"},   {1, "I"}};

char *Append(char *cursor, const char *text) {
  const std::size_t length = std::strlen(text);
  std::memcpy(cursor, text, length);
  return cursor + length;
}

// Writes one Roman numeral while room is left; false when it was cut short.
bool WriteNumeral(const char *numeral, char *dst, UInt32 maxChars, UInt32 &written) {
  for (const char *p = numeral; *p; ++p) {
    if (written == maxChars) return false;
    dst[written++] = *p;
  }
  return true;
}

}  // namespace

extern "C" char *NumberToLiteralFormGroup(SInt32 group, const char *scaleWord, char *start, char *cursor) {
  if (group < 0 || group > 1999) return cursor;
  if (cursor != start) *cursor++ = ' ';
  if (group > 99) {
    cursor = Append(Append(cursor, kLiteralUnits[group / 100]), " Hundred ");
    group %= 100;
  }
  if (group > 19) {
    cursor = Append(cursor, kLiteralTens[(group - 20) / 10]);
    if (group % 10 != 0) {
      cursor = Append(Append(Append(cursor, "-"), kLiteralUnits[group % 10]), " ");
    } else {
      *cursor++ = ' ';
    }
  } else if (group > 0) {
    cursor = Append(Append(cursor, kLiteralUnits[group]), " ");
  }
  return Append(cursor, scaleWord ? scaleWord : "");
}

extern "C" void NumberToLiteral(double value, UInt32 maxLen, char *dst, UInt32 *outLen) {
  char words[256];
  char *cursor = words;
  double v = std::fabs(value);
  if (v / kScales[0].value < kLargestTrillions) {  // false for NaN too
    for (const Scale &scale : kScales) {
      const double group = std::trunc(v / scale.value);
      if (group >= 1) {
        cursor = NumberToLiteralFormGroup(static_cast<SInt32>(group), scale.word, words, cursor);
        v = std::fmod(v, scale.value);
      }
    }
    // The last group is written even when it is 0: its leading blank separates
    // the words from the cents.
    cursor = NumberToLiteralFormGroup(static_cast<SInt32>(std::trunc(v)), "", words, cursor);
    if (cursor == words) cursor = Append(Append(cursor, kLiteralUnits[0]), " ");
    const long cents = static_cast<long>(std::trunc((v - std::trunc(v)) * 100 + 0.5));
    cursor += std::snprintf(cursor, static_cast<std::size_t>(words + sizeof words - cursor), "& %02ld/100", cents);
  }
  const UInt32 length = static_cast<UInt32>(cursor - words);
  if (outLen) *outLen = length;
  if (dst) std::memcpy(dst, words, std::min(maxLen, length));
}

extern "C" UInt32 NumberToOrdinalIndex(UInt32 n) {
  const UInt32 r = n % 100;
  if (r >= 10 && r <= 19) return 0;
  const UInt32 d = r % 10;
  return d >= 1 && d <= 3 ? d : 0;
}

extern "C" const char *NumberToOrdinalCString(UInt32 n) { return kOrdinalStrings[NumberToOrdinalIndex(n)]; }

extern "C" UInt32 RomanNumeralToInteger(const char *text, UInt32 len) {
  UInt32 sum = 0;
  int previous = -1;
  for (UInt32 i = 0; text && i < len; ++i) {
    const char upper = static_cast<char>(vigil::ascii::ToUpper(static_cast<std::uint8_t>(text[i])));
    const auto *end = std::end(kRomanNumeralToIntegerMappingTable);
    const auto *found = std::find_if(std::begin(kRomanNumeralToIntegerMappingTable), end,
                                     [&](const RomanLetter &r) { return r.letter == upper; });
    if (found == end) return 0;
    const int order = static_cast<int>(found - std::begin(kRomanNumeralToIntegerMappingTable));
    if (previous >= 0 && previous < order) sum -= 2 * kRomanNumeralToIntegerMappingTable[previous].value;
    sum += found->value;
    previous = order;
  }
  return sum;
}

extern "C" UInt32 IntegerToRomanNumberal(UInt32 value, UInt32 maxChars, char *dst, UInt32 *outLen) {
  if (!dst) maxChars = 0;
  UInt32 written = 0;
  for (std::size_t pair = 0; pair < std::size(kIntegerToRomanNumeralTable) && value > 0; pair += 2) {
    const RomanNumeral &repeatable = kIntegerToRomanNumeralTable[pair];
    const RomanNumeral &subtractive = kIntegerToRomanNumeralTable[pair + 1];
    bool fits = true;
    while (fits && value >= repeatable.value) {
      fits = WriteNumeral(repeatable.text, dst, maxChars, written);
      if (fits) value -= repeatable.value;
    }
    if (fits && value >= subtractive.value) {
      fits = WriteNumeral(subtractive.text, dst, maxChars, written);
      if (fits) value -= subtractive.value;
    }
    if (!fits) break;
  }
  if (outLen) *outLen = written;
  return value;
}
