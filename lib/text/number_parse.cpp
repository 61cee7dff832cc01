#include "lib/text/number_parse.h"

#include <cstdint>
#include <cstring>

#include "lib/text/ascii.hpp"

namespace {

using vigil::ascii::HexValue;
using vigil::ascii::IsSpace;

constexpr UInt32 kTerminated = 0xFFFFFFFFu;

// A cursor over [position, end).
struct Cursor {
  const char *position;
  const char *end;

  std::size_t Left() const { return static_cast<std::size_t>(end - position); }
  bool AtEnd() const { return position >= end; }
  std::uint8_t Peek(std::size_t ahead = 0) const { return static_cast<std::uint8_t>(position[ahead]); }
  void SkipSpace() {
    while (!AtEnd() && IsSpace(Peek())) ++position;
  }
};

Cursor Over(const char *text, UInt32 length) { return {text, text ? text + length : text}; }

template <unsigned kBase>
int DigitValue(std::uint8_t byte) {
  if constexpr (kBase <= 10) {
    const unsigned value = byte - unsigned{'0'};
    return value < kBase ? static_cast<int>(value) : -1;
  } else {
    return HexValue(byte);
  }
}

// value * base + digit for as many digits as follow, wrapping in Unsigned.
template <typename Unsigned, unsigned kBase>
Unsigned ReadDigits(Cursor &cursor) {
  Unsigned value = 0;
  for (int digit; !cursor.AtEnd() && (digit = DigitValue<kBase>(cursor.Peek())) >= 0; ++cursor.position) {
    value = static_cast<Unsigned>(value * kBase + static_cast<unsigned>(digit));
  }
  return value;
}

void Report(const Cursor &cursor, const char **outNext, UInt32 *outRemaining) {
  if (outNext) *outNext = cursor.position;
  if (outRemaining) *outRemaining = static_cast<UInt32>(cursor.Left());
}

// One Parse function: white space, an optional '-' for decimal, digits.
template <typename Unsigned, unsigned kBase>
Unsigned Parse(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining) {
  Cursor cursor = Over(text, length);
  cursor.SkipSpace();
  const bool negative = kBase == 10 && !cursor.AtEnd() && cursor.Peek() == '-';
  if (negative) ++cursor.position;
  const Unsigned value = ReadDigits<Unsigned, kBase>(cursor);
  Report(cursor, outNext, outRemaining);
  return negative ? static_cast<Unsigned>(Unsigned{0} - value) : value;
}

template <typename Unsigned>
Unsigned ParseFormatted(const char *text, UInt32 length, SInt32 base, const char **outNext,
                        UInt32 *outRemaining) {
  Cursor cursor = Over(text, length);
  cursor.SkipSpace();
  const auto rest = [&](std::size_t skip) { return static_cast<UInt32>(cursor.Left() - skip); };
  if (cursor.Left() >= 2) {
    const std::uint8_t first = cursor.Peek();
    const std::uint8_t second = cursor.Peek(1) | 0x20;
    if (first == '0' && second == 'x') return Parse<Unsigned, 16>(cursor.position + 2, rest(2), outNext, outRemaining);
    if (first == '0' && second == 'b') return Parse<Unsigned, 2>(cursor.position + 2, rest(2), outNext, outRemaining);
    if (first == '$') return Parse<Unsigned, 16>(cursor.position + 1, rest(1), outNext, outRemaining);
    if (first == '#') return Parse<Unsigned, 10>(cursor.position + 1, rest(1), outNext, outRemaining);
  }
  switch (base) {
    case 2:
      return Parse<Unsigned, 2>(cursor.position, rest(0), outNext, outRemaining);
    case 8:
      return Parse<Unsigned, 8>(cursor.position, rest(0), outNext, outRemaining);
    case 10:
      return Parse<Unsigned, 10>(cursor.position, rest(0), outNext, outRemaining);
    case 16:
      return Parse<Unsigned, 16>(cursor.position, rest(0), outNext, outRemaining);
    default:
      return 0;
  }
}

}  // namespace

extern "C" SInt32 ParseDecimalInteger(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining) {
  return static_cast<SInt32>(Parse<UInt32, 10>(text, length, outNext, outRemaining));
}

extern "C" SInt64 ParseDecimalInteger64(const char *text, UInt32 length, const char **outNext,
                                        UInt32 *outRemaining) {
  return static_cast<SInt64>(Parse<UInt64, 10>(text, length, outNext, outRemaining));
}

extern "C" UInt32 ParseHexInteger(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining) {
  return Parse<UInt32, 16>(text, length, outNext, outRemaining);
}

extern "C" UInt64 ParseHexInteger64(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining) {
  return Parse<UInt64, 16>(text, length, outNext, outRemaining);
}

extern "C" UInt32 ParseBinaryInteger(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining) {
  return Parse<UInt32, 2>(text, length, outNext, outRemaining);
}

extern "C" UInt64 ParseBinaryInteger64(const char *text, UInt32 length, const char **outNext,
                                       UInt32 *outRemaining) {
  return Parse<UInt64, 2>(text, length, outNext, outRemaining);
}

extern "C" UInt32 ParseOctalInteger(const char *text, UInt32 length, const char **outNext, UInt32 *outRemaining) {
  return Parse<UInt32, 8>(text, length, outNext, outRemaining);
}

extern "C" UInt64 ParseOctalInteger64(const char *text, UInt32 length, const char **outNext,
                                      UInt32 *outRemaining) {
  return Parse<UInt64, 8>(text, length, outNext, outRemaining);
}

extern "C" SInt32 ParseFormattedInteger(const char *text, UInt32 length, SInt32 base, const char **outNext,
                                        UInt32 *outRemaining) {
  return static_cast<SInt32>(ParseFormatted<UInt32>(text, length, base, outNext, outRemaining));
}

extern "C" SInt64 ParseFormattedInteger64(const char *text, UInt32 length, SInt32 base, const char **outNext,
                                          UInt32 *outRemaining) {
  return static_cast<SInt64>(ParseFormatted<UInt64>(text, length, base, outNext, outRemaining));
}

extern "C" SInt32 TextToInt32(const char *text, UInt32 length, SInt32 base) {
  if (!text) return 0;
  if (length == kTerminated) length = static_cast<UInt32>(std::strlen(text));
  Cursor cursor = Over(text, length);
  cursor.SkipSpace();
  if (cursor.Left() >= 2 && cursor.Peek() == '0') {
    const std::uint8_t second = cursor.Peek(1);
    if ((second | 0x20) == 'x') {
      base = 16;
      cursor.position += 2;
    } else if ((second | 0x20) == 'b') {
      base = 2;
      cursor.position += 2;
    } else if (base == 0 && second >= '0' && second <= '7') {
      base = 8;
      cursor.position += 1;
    }
  }
  if (base == 0) base = 10;
  if (base == 2) return static_cast<SInt32>(ReadDigits<UInt32, 2>(cursor));
  if (base == 8) return static_cast<SInt32>(ReadDigits<UInt32, 8>(cursor));
  if (base == 16) return static_cast<SInt32>(ReadDigits<UInt32, 16>(cursor));
  if (base != 10) return 0;
  bool negative = false;
  if (!cursor.AtEnd() && (cursor.Peek() == '+' || cursor.Peek() == '-')) {
    negative = cursor.Peek() == '-';
    ++cursor.position;
  }
  UInt32 value = 0;
  for (; !cursor.AtEnd(); ++cursor.position) {
    const std::uint8_t byte = cursor.Peek();
    if (byte == ',') continue;  // digit-group commas never stop the number
    if (!vigil::ascii::IsDigit(byte)) break;
    value = value * 10u + (byte - '0');
  }
  return static_cast<SInt32>(negative ? 0u - value : value);
}
