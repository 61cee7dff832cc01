// A benchmark main that, after the usual report, prints the ratio of each named
// benchmark's time to its peer's, measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vigil::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      if (run.run_type == Run::RT_Iteration) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // Prints "ours / peer = ratio" for each pair whose two sides ran.
  void PrintRatios(const std::vector<std::pair<std::string, std::string>> &pairs) const {
    std::printf("\nRatios (time of ours / time of the peer; below 1 is faster):\n");
    for (const auto &[ours, peer] : pairs) {
      const auto a = times_.find(ours), b = times_.find(peer);
      if (a == times_.end() || b == times_.end() || b->second == 0) continue;
      std::printf("  %-48s / %-40s = %.3f\n", ours.c_str(), peer.c_str(), a->second / b->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

// Runs every registered benchmark and prints the ratios of the pairs.
inline int RunWithRatios(int argc, char **argv,
                         const std::vector<std::pair<std::string, std::string>> &pairs) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios(pairs);
  benchmark::Shutdown();
  return 0;
}

}  // namespace vigil::bench
