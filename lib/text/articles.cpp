#include "lib/text/articles.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "lib/text/ascii.hpp"
#include "lib/text/c_string_extras.h"
#include "lib/text/search_kernels.hpp"
#include "platform/core/result_codes.h"

namespace {

using vigil::ascii::IsAlnum;
using vigil::ascii::IsSpace;

// The articles of the counted-text form, with their lengths.
constexpr const char *kArticleStrings[] = {"a", "an", "the"};
constexpr UInt32 kArticleStringSizes[] = {1, 2, 3};
// The articles of the C-string forms.
constexpr const char *kArticles[] = {"the", "a", "an"};

std::uint8_t At(const char *text, UInt32 i) { return static_cast<std::uint8_t>(text[i]); }

bool IsTextArticle(const char *word, UInt32 length) {
  for (std::size_t i = 0; i < std::size(kArticleStrings); ++i) {
    if (length == kArticleStringSizes[i] &&
        vigil::text::BytesEqual(reinterpret_cast<const std::uint8_t *>(word),
                                reinterpret_cast<const std::uint8_t *>(kArticleStrings[i]), length, false)) {
      return true;
    }
  }
  return false;
}

bool IsStringArticle(const char *word, UInt32 length) {
  for (const char *article : kArticles) {
    if (strnicmpx(word, length, article) == 0) return true;
  }
  return false;
}

// The bytes an article takes with it when it is removed.
bool IsArticleMargin(std::uint8_t byte) { return IsSpace(byte) || byte == ',' || byte == '_'; }

// The first word of a C string after leading white space: [begin, end).
struct Word {
  UInt32 begin;
  UInt32 end;
};

Word LeadingWord(const char *string) {
  UInt32 begin = 0;
  while (IsSpace(At(string, begin))) ++begin;
  UInt32 end = begin;
  while (string[end] && !IsSpace(At(string, end))) ++end;
  return {begin, end};
}

UInt32 SkipSpace(const char *string, UInt32 i) {
  while (IsSpace(At(string, i))) ++i;
  return i;
}

void RemoveTrailingArticle(char *string) {
  UInt32 end = static_cast<UInt32>(std::strlen(string));
  while (end > 0 && IsSpace(At(string, end - 1))) --end;
  UInt32 begin = end;
  while (begin > 0 && !IsSpace(At(string, begin - 1)) && string[begin - 1] != ',') --begin;
  if (!IsStringArticle(string + begin, end - begin)) return;
  UInt32 comma = begin;
  while (comma > 0 && IsSpace(At(string, comma - 1))) --comma;
  if (comma == 0 || string[comma - 1] != ',') return;
  UInt32 cut = comma - 1;
  while (cut > 0 && IsSpace(At(string, cut - 1))) --cut;
  if (cut > 0) string[cut] = '\0';
}

void RemoveLeadingArticle(char *string) {
  const Word word = LeadingWord(string);
  if (!IsStringArticle(string + word.begin, word.end - word.begin)) return;
  const UInt32 rest = SkipSpace(string, word.end);
  if (string[rest] == '\0') return;
  std::memmove(string, string + rest, std::strlen(string + rest) + 1);
}

template <typename Change>
OSStatus ChangedCopy(const char *string, std::size_t extra, char **outCopy, Change change) {
  if (!outCopy) return kLibMissingArgErr;
  const std::size_t size = std::strlen(string) + 1;
  char *copy = static_cast<char *>(std::malloc(size + extra));
  *outCopy = copy;
  if (!copy) return kLibNoMemoryErr;
  std::memcpy(copy, string, size);
  change(copy);
  return noErr;
}

}  // namespace

extern "C" UInt32 TextDeleteArticles(char *text, UInt32 length, SInt32 endsOnly, char **outStart,
                                     UInt32 *outLength) {
  UInt32 start = 0;
  UInt32 end = text ? length : 0;
  UInt32 pos = 0;
  for (;;) {
    while (pos < end && !IsAlnum(At(text, pos))) ++pos;
    if (pos >= end) break;
    const UInt32 wordBegin = pos;
    while (pos < end && IsAlnum(At(text, pos))) ++pos;
    if (!IsTextArticle(text + wordBegin, pos - wordBegin)) continue;
    UInt32 left = wordBegin;
    while (left > start && IsArticleMargin(At(text, left - 1))) --left;
    UInt32 right = pos;
    while (right < end && IsArticleMargin(At(text, right))) ++right;
    const bool nextToDash = (left > start && text[left - 1] == '-') || (right < end && text[right] == '-');
    if (left == start) {
      start = pos = right;
    } else if (right == end) {
      end = left;
      break;
    } else if (endsOnly == 0) {
      const UInt32 replacement = nextToDash ? 0 : 1;
      if (replacement) text[left] = ' ';
      std::memmove(text + left + replacement, text + right, end - right);
      end -= right - left - replacement;
      pos = left + replacement;
    }
  }
  if (outStart) *outStart = text + start;
  if (outLength) *outLength = end - start;
  return length - (end - start);
}

extern "C" void StringRemoveArticles(char *string) {
  RemoveTrailingArticle(string);
  RemoveLeadingArticle(string);
}

extern "C" OSStatus StringRemoveArticlesCopy(const char *string, char **outCopy) {
  return ChangedCopy(string, 0, outCopy, StringRemoveArticles);
}

extern "C" void StringRearrangeArticles(char *string) {
  const Word word = LeadingWord(string);
  const UInt32 articleLength = word.end - word.begin;
  if (!IsStringArticle(string + word.begin, articleLength)) return;
  const UInt32 rest = SkipSpace(string, word.end);
  if (string[rest] == '\0') return;
  char article[4];
  std::memcpy(article, string + word.begin, articleLength);
  UInt32 restEnd = static_cast<UInt32>(std::strlen(string));
  while (IsSpace(At(string, restEnd - 1))) --restEnd;
  const UInt32 restLength = restEnd - rest;
  std::memmove(string, string + rest, restLength);
  std::memcpy(string + restLength, ", ", 2);
  std::memcpy(string + restLength + 2, article, articleLength);
  string[restLength + 2 + articleLength] = '\0';
}

extern "C" OSStatus StringRearrangeArticlesCopy(const char *string, char **outCopy) {
  return ChangedCopy(string, 1, outCopy, StringRearrangeArticles);
}
