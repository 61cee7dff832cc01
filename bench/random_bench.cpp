// Each generator against std::mt19937, per draw.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_ratios.hpp"
#include "lib/random/random_generators.h"

namespace {

constexpr int kDraws = 1 << 16;

template <typename Draw>
void RunDraws(benchmark::State &state, Draw draw) {
  for (auto _ : state) {
    UInt32 sum = 0;
    for (int i = 0; i < kDraws; ++i) sum += UInt32(draw());
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kDraws);
}

void Mt19937(benchmark::State &state) {
  std::mt19937 engine(1);
  RunDraws(state, [&] { return engine(); });
}

void Seed() {
  StandardRandomInit(1);
  Shift32RandomInit(1);
  MixRandomInit(StandardRandom);
  HashRandomInit(1, 1, 4);
  R250RandomInit(StandardRandom);
  ParkMillerRandomInit(1);
}

template <auto Draw>
void Generator(benchmark::State &state) {
  Seed();
  RunDraws(state, Draw);
}

}  // namespace

BENCHMARK(Mt19937)->Name("mt19937");
BENCHMARK(Generator<StandardRandom>)->Name("StandardRandom");
BENCHMARK(Generator<Shift32Random>)->Name("Shift32Random");
BENCHMARK(Generator<MixRandom>)->Name("MixRandom");
BENCHMARK(Generator<HashRandom>)->Name("HashRandom");
BENCHMARK(Generator<R250Random>)->Name("R250Random");
BENCHMARK(Generator<ParkMillerRandomInteger>)->Name("ParkMillerRandomInteger");
BENCHMARK(Generator<ParkMillerRandomFloat>)->Name("ParkMillerRandomFloat");

int main(int argc, char **argv) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const char *name : {"StandardRandom", "Shift32Random", "MixRandom", "HashRandom", "R250Random",
                           "ParkMillerRandomInteger", "ParkMillerRandomFloat"})
    pairs.emplace_back(name, "mt19937");
  return vigil::bench::RunWithRatios(argc, argv, pairs);
}
