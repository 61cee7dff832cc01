// Numbers to and from digit strings against the C library and the C++
// standard library: decimal and hexadecimal parsing against strtol and
// std::from_chars, integer writing against std::to_chars and snprintf, and
// SPrintF against snprintf on a typical mix of directives.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_ratios.hpp"
#include "bench/contenders.hpp"
#include "lib/format/formatted_output.h"
#include "lib/text/number_parse.h"

namespace {

using vigil::bench::Contenders;
constexpr const char *kOurs = Contenders::kOurs;

Contenders contenders;

// Numbers of every length from 1 to 10 digits, as the text a parser meets.
std::vector<std::string> NumberTexts(std::mt19937 &rng, int base) {
  std::vector<std::string> texts;
  for (int i = 0; i < 1000; ++i) {
    const std::uint32_t value = rng() >> (rng() % 32);
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, base);
    texts.emplace_back(buffer, result.ptr);
  }
  return texts;
}

// One parsing case: libvigil's parser for the base against strtol and
// std::from_chars over the same texts.
template <typename Parse>
void AddParsingCase(const std::string &name, const std::vector<std::string> &texts, int base, Parse parse) {
  contenders.Add(name, kOurs, [&texts, parse] {
    UInt32 sum = 0;
    for (const std::string &t : texts) sum += static_cast<UInt32>(parse(t.data(), static_cast<UInt32>(t.size()), nullptr, nullptr));
    benchmark::DoNotOptimize(sum);
  });
  contenders.Add(name, "strtol", [&texts, base] {
    UInt32 sum = 0;
    for (const std::string &t : texts) sum += static_cast<UInt32>(std::strtol(t.c_str(), nullptr, base));
    benchmark::DoNotOptimize(sum);
  });
  contenders.Add(name, "std::from_chars", [&texts, base] {
    UInt32 sum = 0;
    for (const std::string &t : texts) {
      std::uint32_t value = 0;
      std::from_chars(t.data(), t.data() + t.size(), value, base);
      sum += value;
    }
    benchmark::DoNotOptimize(sum);
  });
}

void AddParsingCases(std::mt19937 &rng) {
  static const std::vector<std::string> decimals = NumberTexts(rng, 10);
  static const std::vector<std::string> hexes = NumberTexts(rng, 16);
  AddParsingCase("parse 1000 decimal integers", decimals, 10, ParseDecimalInteger);
  AddParsingCase("parse 1000 hexadecimal integers", hexes, 16, ParseHexInteger);
}

void AddWritingCases(std::mt19937 &rng) {
  static std::vector<std::int32_t> values;
  for (int i = 0; i < 1000; ++i) values.push_back(static_cast<std::int32_t>(rng()) >> (rng() % 32));
  static char out[64];
  const struct {
    const char *name;
    SInt32 base;
    int toCharsBase;
    const char *printfFormat;
  } kinds[] = {{"write 1000 signed decimals", -10, 10, "%d"}, {"write 1000 hexadecimals", 16, 16, "%x"}};
  for (const auto &kind : kinds) {
    const SInt32 base = kind.base;
    contenders.Add(kind.name, kOurs, [base] {
      for (const std::int32_t v : values) NumberToString(static_cast<UInt32>(v), base, 0, 0, 0, false, out);
      benchmark::DoNotOptimize(out);
    });
    const int toCharsBase = kind.toCharsBase;
    contenders.Add(kind.name, "std::to_chars", [toCharsBase] {
      for (const std::int32_t v : values) {
        const auto result = toCharsBase == 10 ? std::to_chars(out, out + sizeof out, v)
                                              : std::to_chars(out, out + sizeof out, static_cast<std::uint32_t>(v), 16);
        *result.ptr = '\0';
      }
      benchmark::DoNotOptimize(out);
    });
    const char *format = kind.printfFormat;
    contenders.Add(kind.name, "snprintf", [format] {
      for (const std::int32_t v : values) std::snprintf(out, sizeof out, format, v);
      benchmark::DoNotOptimize(out);
    });
  }
}

void AddFormattingCases() {
  // Directives that mean the same in both languages.
  static const char kFormat[] = "%s: %5d items, %08X, %c, %-10s|%u";
  static char out[256];
  contenders.Add("format a typical mix", kOurs, [] {
    SPrintF(out, kFormat, "inbox", 42, 0xBEEFu, 'x', "done", 4000000000u);
    benchmark::DoNotOptimize(out);
  });
  contenders.Add("format a typical mix", "snprintf", [] {
    std::snprintf(out, sizeof out, kFormat, "inbox", 42, 0xBEEFu, 'x', "done", 4000000000u);
    benchmark::DoNotOptimize(out);
  });
}

}  // namespace

int main(int argc, char **argv) {
  std::mt19937 rng(7);
  AddParsingCases(rng);
  AddWritingCases(rng);
  AddFormattingCases();
  return vigil::bench::RunWithRatios(argc, argv, contenders.Pairs());
}
