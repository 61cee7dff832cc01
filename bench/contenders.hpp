// Registers one benchmark case for libvigil and for each of its peers, named
// "<case> | <contender>", and keeps the pairs whose ratios RunWithRatios prints.
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace vigil::bench {

class Contenders {
 public:
  static constexpr const char *kOurs = "vigil";

  template <typename Body>
  void Add(const std::string &caseName, const std::string &contender, Body body) {
    const std::string name = caseName + " | " + contender;
    benchmark::RegisterBenchmark(name.c_str(), [body](benchmark::State &state) {
      for (auto _ : state) body();
    });
    if (contender != kOurs) pairs_.emplace_back(caseName + " | " + kOurs, name);
  }

  const std::vector<std::pair<std::string, std::string>> &Pairs() const { return pairs_; }

 private:
  std::vector<std::pair<std::string, std::string>> pairs_;
};

}  // namespace vigil::bench
