// Block utilities against the C library, the fixed-size block allocator against
// malloc/free, and data buffer appends against std::vector.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_ratios.hpp"
#include "lib/memory/allocators.h"
#include "lib/memory/data_buffer.h"
#include "lib/memory/memory_blocks.h"

namespace {

void Sizes(benchmark::internal::Benchmark *b) {
  for (long size : {16L, 256L, 4096L, 65536L, 1L << 20}) b->Arg(size);
}

struct Blocks {
  explicit Blocks(std::size_t size) : a(size, 1), b(size, 1) {}
  std::vector<unsigned char> a, b;
};

void BlockSetVigil(benchmark::State &state) {
  Blocks blocks(state.range(0));
  for (auto _ : state) {
    BlockSet(blocks.a.data(), UInt32(state.range(0)), 0x5A);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BlockClearVigil(benchmark::State &state) {
  Blocks blocks(state.range(0));
  for (auto _ : state) {
    BlockClear(blocks.a.data(), UInt32(state.range(0)));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void Memset(benchmark::State &state, int value) {
  Blocks blocks(state.range(0));
  for (auto _ : state) {
    std::memset(blocks.a.data(), value, state.range(0));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BlockSwapVigil(benchmark::State &state) {
  Blocks blocks(state.range(0));
  for (auto _ : state) {
    BlockSwap(blocks.a.data(), blocks.b.data(), UInt32(state.range(0)));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The plain loop a caller would write without the library.
void SwapLoop(benchmark::State &state) {
  Blocks blocks(state.range(0));
  unsigned char *a = blocks.a.data();
  unsigned char *b = blocks.b.data();
  for (auto _ : state) {
    for (long i = 0; i < state.range(0); ++i) {
      unsigned char t = a[i];
      a[i] = b[i];
      b[i] = t;
    }
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BlockCompareVigil(benchmark::State &state) {
  Blocks blocks(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(BlockCompare(UInt32(state.range(0)), blocks.a.data(), blocks.b.data()));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void Memcmp(benchmark::State &state) {
  Blocks blocks(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(std::memcmp(blocks.a.data(), blocks.b.data(), state.range(0)));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

constexpr int kSmallBlocks = 1'000'000;
constexpr UInt32 kSmallBlockSize = 32;

void FixedSizeAllocatorVigil(benchmark::State &state) {
  std::vector<void *> blocks(kSmallBlocks);
  for (auto _ : state) {
    MemAllocatorRef allocator = nullptr;
    FixedSizeBlockMemAllocatorNew(kSmallBlockSize, 0, nullptr, &allocator);
    for (void *&block : blocks) MemAllocate(allocator, 0, kSmallBlockSize, &block);
    for (void *block : blocks) MemFree(allocator, 0, block);
    FixedSizeBlockMemAllocatorDispose(allocator);
  }
  state.SetItemsProcessed(state.iterations() * kSmallBlocks);
}

void MallocFree(benchmark::State &state) {
  std::vector<void *> blocks(kSmallBlocks);
  for (auto _ : state) {
    for (void *&block : blocks) benchmark::DoNotOptimize(block = std::malloc(kSmallBlockSize));
    for (void *block : blocks) std::free(block);
  }
  state.SetItemsProcessed(state.iterations() * kSmallBlocks);
}

// About 1.3 MB in all, appended in records of the given size.
constexpr long kAppendedBytes = 1300000;
const std::vector<unsigned char> kRecords(4096, 'r');

void DataBufferAppendVigil(benchmark::State &state) {
  const long record = state.range(0);
  for (auto _ : state) {
    DataBuffer *buffer = nullptr;
    DataBufferCreate(nullptr, 0, &buffer);
    for (long done = 0; done < kAppendedBytes; done += record) DataBufferAppendData(buffer, kRecords.data(), UInt32(record));
    benchmark::DoNotOptimize(buffer->data);
    DataBufferRelease(buffer);
  }
  state.SetBytesProcessed(state.iterations() * kAppendedBytes);
}

void VectorAppend(benchmark::State &state) {
  const long record = state.range(0);
  for (auto _ : state) {
    std::vector<std::uint8_t> buffer;
    for (long done = 0; done < kAppendedBytes; done += record)
      buffer.insert(buffer.end(), kRecords.data(), kRecords.data() + record);
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(state.iterations() * kAppendedBytes);
}

}  // namespace

BENCHMARK(BlockSetVigil)->Name("BlockSet:vigil")->Apply(Sizes);
BENCHMARK_CAPTURE(Memset, value, 0x5A)->Name("BlockSet:memset")->Apply(Sizes);
BENCHMARK(BlockClearVigil)->Name("BlockClear:vigil")->Apply(Sizes);
BENCHMARK_CAPTURE(Memset, zero, 0)->Name("BlockClear:memset")->Apply(Sizes);
BENCHMARK(BlockSwapVigil)->Name("BlockSwap:vigil")->Apply(Sizes);
BENCHMARK(SwapLoop)->Name("BlockSwap:loop")->Apply(Sizes);
BENCHMARK(BlockCompareVigil)->Name("BlockCompare:vigil")->Apply(Sizes);
BENCHMARK(Memcmp)->Name("BlockCompare:memcmp")->Apply(Sizes);
BENCHMARK(FixedSizeAllocatorVigil)->Name("SmallBlocks:vigil")->Unit(benchmark::kMillisecond);
BENCHMARK(MallocFree)->Name("SmallBlocks:malloc")->Unit(benchmark::kMillisecond);
BENCHMARK(DataBufferAppendVigil)->Name("Append:vigil")->Arg(13)->Arg(1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(VectorAppend)->Name("Append:vector")->Arg(13)->Arg(1024)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) {
  std::vector<std::pair<std::string, std::string>> pairs;
  const std::pair<const char *, const char *> kBlockPeers[] = {
      {"BlockSet", "memset"}, {"BlockClear", "memset"}, {"BlockSwap", "loop"}, {"BlockCompare", "memcmp"}};
  for (const auto &[group, peer] : kBlockPeers) {
    for (long size : {16L, 256L, 4096L, 65536L, 1L << 20}) {
      std::string suffix = "/" + std::to_string(size);
      pairs.emplace_back(std::string(group) + ":vigil" + suffix, std::string(group) + ":" + peer + suffix);
    }
  }
  pairs.emplace_back("SmallBlocks:vigil", "SmallBlocks:malloc");
  pairs.emplace_back("Append:vigil/13", "Append:vector/13");
  pairs.emplace_back("Append:vigil/1024", "Append:vector/1024");
  return vigil::bench::RunWithRatios(argc, argv, pairs);
}
