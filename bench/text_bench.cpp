// Text search and comparison against the C library and the C++ standard
// library: TextSearch and its prefix and suffix forms against memmem and the
// Boyer-Moore-Horspool searcher, the case-insensitive comparisons against
// strncasecmp, the natural order against strverscmp.
#include <dlfcn.h>
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_ratios.hpp"
#include "bench/contenders.hpp"
#include "lib/strings/memory_search.h"
#include "lib/text/c_string_extras.h"
#include "lib/text/text_compare.h"
#include "lib/text/text_search.h"

namespace {

using vigil::bench::Contenders;
constexpr const char *kOurs = Contenders::kOurs;

Contenders contenders;

// The program links libvigil, whose memmem takes the name; the C library's is
// reached by its version.
using MemmemFunction = void *(*)(const void *, size_t, const void *, size_t);
const MemmemFunction kCLibraryMemmem =
    reinterpret_cast<MemmemFunction>(dlvsym(RTLD_DEFAULT, "memmem", "GLIBC_2.2.5"));

constexpr std::size_t kMiB = 1 << 20;

// About 1 MiB of English prose from common words, with capitals and punctuation.
std::string EnglishText(std::mt19937 &rng) {
  static const char *const kWords[] = {
      "the", "of", "and", "to", "a", "in", "that", "it", "was", "he", "for", "on", "are", "as", "with", "his",
      "they", "at", "be", "this", "from", "have", "or", "by", "one", "had", "not", "but", "what", "all", "were",
      "when", "we", "there", "can", "an", "your", "which", "their", "said", "if", "do", "will", "each", "about",
      "how", "up", "out", "them", "then", "she", "many", "some", "so", "these", "would", "other", "into", "has",
      "more", "her", "two", "like", "him", "see", "time", "could", "no", "make", "than", "first", "been", "its",
      "who", "now", "people", "my", "made", "over", "did", "down", "only", "way", "find", "use", "may", "water",
      "long", "little", "very", "after", "words", "called", "just", "where", "most", "know", "through", "back",
      "much", "before", "good", "new", "write", "our", "used", "me", "man", "too", "any", "day", "same", "right",
      "look", "think", "also", "around", "another", "came", "come", "work", "three", "word", "must", "because",
      "does", "part", "even", "place", "well", "such", "here", "take", "why", "things", "help", "put", "years",
      "different", "away", "again", "off", "went", "old", "number", "great", "tell", "men", "say", "small",
      "every", "found", "still", "between", "name", "should", "home", "big", "give", "air", "line", "set", "own",
      "under", "read", "last", "never", "us", "left", "end", "along", "while", "might", "next", "sound", "below",
      "saw", "something", "thought", "both", "few", "those", "always", "looked", "show", "large", "often",
      "together", "asked", "house", "world", "going", "want", "school", "important", "until", "form", "food",
      "keep", "children", "feet", "land", "side", "without", "boy", "once", "animals", "life", "enough", "took",
      "sometimes", "four", "head", "above", "kind", "began", "almost", "live", "page", "got", "earth", "need"};
  std::string text;
  text.reserve(kMiB + 64);
  bool sentenceStart = true;
  while (text.size() < kMiB) {
    std::string word = kWords[std::min(rng() % 64, rng() % std::size(kWords))];  // favour common words
    if (sentenceStart) word[0] = static_cast<char>(word[0] - 32);
    text += word;
    sentenceStart = rng() % 14 == 0;
    text += sentenceStart ? ". " : (rng() % 9 == 0 ? ", " : " ");
  }
  text.resize(kMiB);
  return text;
}

std::string RandomBytes(std::mt19937 &rng, std::size_t length) {
  std::string text(length, '\0');
  for (char &c : text) c = static_cast<char>(rng());
  return text;
}

// A corpus whose only occurrence of the pattern is at its very end, so that
// every searcher scans the whole text.
struct Corpus {
  std::string text;
  std::string pattern;
};

Corpus Planted(std::string text, const std::string &pattern) {
  text.replace(text.size() - pattern.size(), pattern.size(), pattern);
  return {std::move(text), pattern};
}

void AddSearchCases(const std::string &label, const Corpus &corpus) {
  const char *text = corpus.text.data();
  const std::size_t n = corpus.text.size();
  const char *pattern = corpus.pattern.data();
  const std::size_t m = corpus.pattern.size();
  const std::string search = "TextSearch " + label;
  contenders.Add(search, kOurs, [=] {
    benchmark::DoNotOptimize(TextSearch(text, static_cast<UInt32>(n), pattern, static_cast<UInt32>(m), 1));
  });
  contenders.Add(search, "glibc memmem", [=] { benchmark::DoNotOptimize(kCLibraryMemmem(text, n, pattern, m)); });
  const std::boyer_moore_horspool_searcher searcher(pattern, pattern + m);
  contenders.Add(search, "std::bmh_searcher", [=] { benchmark::DoNotOptimize(searcher(text, text + n)); });
  const std::string folded = "TextSearch caseless " + label;
  contenders.Add(folded, kOurs, [=] {
    benchmark::DoNotOptimize(TextSearch(text, static_cast<UInt32>(n), pattern, static_cast<UInt32>(m), 0));
  });
  contenders.Add(folded, "glibc memmem (exact)", [=] { benchmark::DoNotOptimize(kCLibraryMemmem(text, n, pattern, m)); });

  // The prefix and suffix forms compare one window as long as the pattern.
  const char *suffix = text + n - m;
  const std::string prefixCase = "TextBeginsWith " + label;
  contenders.Add(prefixCase, kOurs, [=] {
    benchmark::DoNotOptimize(TextBeginsWith(suffix, static_cast<UInt32>(m), pattern, static_cast<UInt32>(m), 1));
  });
  contenders.Add(prefixCase, "glibc memmem", [=] { benchmark::DoNotOptimize(kCLibraryMemmem(suffix, m, pattern, m)); });
  contenders.Add(prefixCase, "std::bmh_searcher", [=] { benchmark::DoNotOptimize(searcher(suffix, suffix + m)); });
  const std::string suffixCase = "TextEndsWith " + label;
  contenders.Add(suffixCase, kOurs, [=] {
    benchmark::DoNotOptimize(TextEndsWith(text, static_cast<UInt32>(n), pattern, static_cast<UInt32>(m), 1));
  });
  contenders.Add(suffixCase, "glibc memmem", [=] { benchmark::DoNotOptimize(kCLibraryMemmem(suffix, m, pattern, m)); });
  contenders.Add(suffixCase, "std::bmh_searcher", [=] { benchmark::DoNotOptimize(searcher(suffix, suffix + m)); });
}

void AddComparisonCases(std::mt19937 &rng) {
  static std::string lower, upper;
  lower = EnglishText(rng).substr(0, 4096);
  std::replace(lower.begin(), lower.end(), '\0', ' ');
  upper = lower;
  for (char &c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (std::size_t length : {16u, 4096u}) {
    const std::string label = " equal but for case, " + std::to_string(length) + " bytes";
    const char *a = lower.c_str();
    const char *b = upper.c_str();
    contenders.Add("TextCompare caseless" + label, kOurs, [=] {
      benchmark::DoNotOptimize(TextCompare(a, static_cast<UInt32>(length), b, static_cast<UInt32>(length), 0));
    });
    contenders.Add("TextCompare caseless" + label, "strncasecmp", [=] { benchmark::DoNotOptimize(strncasecmp(a, b, length)); });
    contenders.Add("strnicmp" + label, kOurs, [=] { benchmark::DoNotOptimize(strnicmp(a, b, length)); });
    contenders.Add("strnicmp" + label, "strncasecmp", [=] { benchmark::DoNotOptimize(strncasecmp(a, b, length)); });
    contenders.Add("memiequal" + label, kOurs, [=] {
      benchmark::DoNotOptimize(memiequal(a, static_cast<UInt32>(length), b, static_cast<UInt32>(length)));
    });
    contenders.Add("memiequal" + label, "strncasecmp", [=] { benchmark::DoNotOptimize(strncasecmp(a, b, length)); });
  }
}

void AddNaturalOrderCases(std::mt19937 &rng) {
  static std::vector<std::string> names;
  for (int i = 0; i < 1000; ++i) {
    names.push_back("IMG_" + std::to_string(rng() % 3000) + "_v" + std::to_string(rng() % 12) + ".jpeg");
  }
  contenders.Add("TextCompareNatural 1000 file names", kOurs, [] {
    int sum = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
      sum += TextCompareNatural(names[i - 1].data(), static_cast<UInt32>(names[i - 1].size()), names[i].data(),
                                static_cast<UInt32>(names[i].size()), 1);
    }
    benchmark::DoNotOptimize(sum);
  });
  contenders.Add("TextCompareNatural 1000 file names", "strverscmp", [] {
    int sum = 0;
    for (std::size_t i = 1; i < names.size(); ++i) sum += strverscmp(names[i - 1].c_str(), names[i].c_str()) > 0;
    benchmark::DoNotOptimize(sum);
  });
}

}  // namespace

int main(int argc, char **argv) {
  std::mt19937 rng(2024);
  static const std::string english = EnglishText(rng);
  static const std::string random = RandomBytes(rng, kMiB);
  static const std::string longPhrase =
      "the people who made the first long water line, which they called the great way home, were never found again";
  static const Corpus corpora[] = {
      Planted(english, "quietly"),
      Planted(english, longPhrase),
      Planted(random, RandomBytes(rng, 8)),
      Planted(random, RandomBytes(rng, 100)),
  };
  AddSearchCases("English 1 MiB, 7-byte pattern", corpora[0]);
  AddSearchCases("English 1 MiB, 109-byte pattern", corpora[1]);
  AddSearchCases("random 1 MiB, 8-byte pattern", corpora[2]);
  AddSearchCases("random 1 MiB, 100-byte pattern", corpora[3]);
  AddComparisonCases(rng);
  AddNaturalOrderCases(rng);
  return vigil::bench::RunWithRatios(argc, argv, contenders.Pairs());
}
