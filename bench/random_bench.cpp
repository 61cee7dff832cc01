// Each generator against std::mt19937, per draw.
#include <benchmark/benchmark.h>

#include <random>

#include "bench/peer_ratio.hpp"
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

#define VIGIL_GENERATOR(name)                                              \
  BENCHMARK(Generator<name>)->Name(#name ":vigil");                        \
  BENCHMARK(Mt19937)->Name(#name ":mt19937")

VIGIL_GENERATOR(StandardRandom);
VIGIL_GENERATOR(Shift32Random);
VIGIL_GENERATOR(MixRandom);
VIGIL_GENERATOR(HashRandom);
VIGIL_GENERATOR(R250Random);
VIGIL_GENERATOR(ParkMillerRandomInteger);
VIGIL_GENERATOR(ParkMillerRandomFloat);

int main(int argc, char **argv) { return vigil::bench::RunWithPeerRatios(argc, argv); }
