#include "lib/text/text_search.h"

#include <algorithm>
#include <cstdint>

#include "lib/text/ascii.hpp"
#include "lib/text/search_kernels.hpp"

namespace {

using vigil::text::BytesEqual;
using vigil::text::FindPattern;
using vigil::text::kNotFound;

const std::uint8_t *Bytes(const char *p) { return reinterpret_cast<const std::uint8_t *>(p); }

// The text's window of patternLength bytes at offset, compared whole.
const char *WindowMatches(const char *text, UInt32 offset, const char *pattern, UInt32 patternLength,
                          SInt32 caseSensitive) {
  return BytesEqual(Bytes(text) + offset, Bytes(pattern), patternLength, caseSensitive != 0)
             ? text + offset
             : nullptr;
}

bool Usable(const char *text, UInt32 textLength, const char *pattern, UInt32 patternLength) {
  return text && pattern && patternLength != 0 && textLength >= patternLength;
}

}  // namespace

extern "C" const char *TextSearch(const char *text, UInt32 textLength, const char *pattern,
                                  UInt32 patternLength, SInt32 caseSensitive) {
  if (!Usable(text, textLength, pattern, patternLength)) return nullptr;
  const std::size_t at = FindPattern(Bytes(text), textLength, Bytes(pattern), patternLength, caseSensitive != 0);
  return at == kNotFound ? nullptr : text + at;
}

extern "C" const char *TextBeginsWith(const char *text, UInt32 textLength, const char *prefix,
                                      UInt32 prefixLength, SInt32 caseSensitive) {
  if (!Usable(text, textLength, prefix, prefixLength)) return nullptr;
  return WindowMatches(text, 0, prefix, prefixLength, caseSensitive);
}

extern "C" const char *TextEndsWith(const char *text, UInt32 textLength, const char *suffix,
                                    UInt32 suffixLength, SInt32 caseSensitive) {
  if (!Usable(text, textLength, suffix, suffixLength)) return nullptr;
  return WindowMatches(text, textLength - suffixLength, suffix, suffixLength, caseSensitive);
}

extern "C" const char *TextIsExactly(const char *text, UInt32 textLength, const char *other,
                                     UInt32 otherLength, SInt32 caseSensitive) {
  if (textLength != otherLength || !Usable(text, textLength, other, otherLength)) return nullptr;
  return WindowMatches(text, 0, other, otherLength, caseSensitive);
}

extern "C" const char *TextPartialSearch(const char *text, UInt32 textLength, const char *pattern,
                                         UInt32 patternLength, SInt32 caseSensitive,
                                         UInt32 *ioMatched) {
  if (!ioMatched) return nullptr;
  if (!text || !pattern || textLength == 0 || patternLength == 0) {
    *ioMatched = 0;
    return nullptr;
  }
  const bool exact = caseSensitive != 0;
  const std::uint8_t *t = Bytes(text);
  const std::uint8_t *p = Bytes(pattern);
  const UInt32 matched = *ioMatched;
  if (matched > patternLength) {
    *ioMatched = 0;
    return nullptr;
  }
  // Continue a match that ran off the end of the previous piece. When it fails,
  // the later starts inside the carried bytes are tried too: those whose carried
  // part is itself a prefix of the pattern (the carried bytes are known to equal
  // the pattern's first `matched` bytes). Without this a match beginning inside
  // the carried bytes would be missed.
  for (UInt32 carried = matched; carried > 0; --carried) {
    if (carried < matched && !BytesEqual(p + matched - carried, p, carried, exact)) continue;
    const UInt32 rest = patternLength - carried;
    const UInt32 compared = std::min(rest, textLength);
    if (BytesEqual(t, p + carried, compared, exact)) {
      if (rest < textLength) {
        *ioMatched = carried;
        return text;
      }
      *ioMatched = carried + compared;
      return nullptr;
    }
  }
  // A complete match needs at least one byte of the piece after it; a match
  // that reaches the piece's last byte is carried over instead.
  const std::size_t whole = FindPattern(t, textLength - 1, p, patternLength, exact);
  if (whole != kNotFound) {
    *ioMatched = 0;
    return text + whole;
  }
  for (UInt32 at = textLength > patternLength ? textLength - patternLength : 0; at < textLength; ++at) {
    const UInt32 available = textLength - at;
    if (BytesEqual(t + at, p, available, exact)) {
      *ioMatched = available;
      return nullptr;
    }
  }
  *ioMatched = 0;
  return nullptr;
}

extern "C" SInt32 TextIsAlone(const char *text, UInt32 textLength, const char *match, UInt32 matchLength,
                              const char *boundaries, UInt32 boundariesLength) {
  using vigil::ascii::IsSpace;
  using vigil::ascii::ToLower;
  if (!text || !match || textLength <= 2) return 0;
  // The match must lie inside the text with a byte on each side of it. The
  // addresses are compared as numbers: the match may point anywhere.
  const auto start = reinterpret_cast<std::uintptr_t>(text);
  const auto at = reinterpret_cast<std::uintptr_t>(match);
  if (at <= start || at - start >= textLength) return 0;
  const UInt32 offset = static_cast<UInt32>(at - start);
  if (matchLength >= textLength - offset) return 0;
  const std::uint8_t before = ToLower(Bytes(text)[offset - 1]);
  const std::uint8_t after = ToLower(Bytes(text)[offset + matchLength]);
  if (IsSpace(before) && IsSpace(after)) return 1;
  if (!boundaries) return 0;
  const std::uint8_t *set = Bytes(boundaries);
  const auto inSet = [&](std::uint8_t byte) {
    return std::any_of(set, set + boundariesLength, [&](std::uint8_t s) { return ToLower(s) == byte; });
  };
  return inSet(before) && inSet(after) ? 1 : 0;
}
