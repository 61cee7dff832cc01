// Prints, after the usual table, how each peer compares with our routine: every
// benchmark named "Group:variant/args" is paired with "Group:vigil/args", and the
// ratio is peer time / our time (above 1: ours is faster).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace vigil::bench {

class PeerRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      std::string name = run.benchmark_name();
      auto colon = name.find(':');
      auto slash = name.find('/', colon);
      if (colon == std::string::npos) continue;
      std::string group = name.substr(0, colon);
      std::string variant = name.substr(colon + 1, slash == std::string::npos ? std::string::npos : slash - colon - 1);
      std::string arguments = slash == std::string::npos ? "" : name.substr(slash);
      times_[group + arguments][variant] = run.GetAdjustedRealTime();
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %-16s %s\n", "case", "peer", "peer time / vigil time");
    for (const auto &[benchmarkCase, variants] : times_) {
      auto ours = variants.find("vigil");
      if (ours == variants.end()) continue;
      for (const auto &[variant, time] : variants) {
        if (variant != "vigil") std::printf("%-40s %-16s %.2f\n", benchmarkCase.c_str(), variant.c_str(), time / ours->second);
      }
    }
  }

 private:
  std::map<std::string, std::map<std::string, double>> times_;
};

inline int RunWithPeerRatios(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  PeerRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace vigil::bench
