// Benchmarks that run libvigil and its peers side by side. Each case is
// registered once per contender as "<case> | <contender>"; after the usual
// table, the reporter prints every peer's time divided by libvigil's for the
// same case, in processor time (above 1: libvigil is faster).
#ifndef VIGIL_BENCH_PEER_RATIO_HPP
#define VIGIL_BENCH_PEER_RATIO_HPP

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vigil::bench {

inline constexpr const char *kOurs = "vigil";

template <typename Body>
void AddContender(const std::string &caseName, const std::string &contender, Body body) {
  benchmark::RegisterBenchmark((caseName + " | " + contender).c_str(), [body](benchmark::State &state) {
    for (auto _ : state) body();
  });
}

class PeerRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      const std::string name = run.benchmark_name();
      const std::size_t bar = name.find(" | ");
      if (bar == std::string::npos) continue;
      times_[name.substr(0, bar)].emplace_back(name.substr(bar + 3), run.GetAdjustedCPUTime());
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-58s %-26s %s\n", "case", "peer", "peer time / vigil time");
    for (const auto &[caseName, contenders] : times_) {
      double ours = 0;
      for (const auto &[who, time] : contenders) {
        if (who == kOurs) ours = time;
      }
      if (ours <= 0) continue;
      for (const auto &[who, time] : contenders) {
        if (who != kOurs) std::printf("%-58s %-26s %.2f\n", caseName.c_str(), who.c_str(), time / ours);
      }
    }
  }

 private:
  std::map<std::string, std::vector<std::pair<std::string, double>>> times_;
};

inline int RunWithRatios(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  PeerRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace vigil::bench

#endif
