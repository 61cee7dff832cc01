// CRC-32 against zlib and ISA-L, Adler-32 against zlib, and the hash table
// against std::unordered_map for a million 8-byte keys.
#include <benchmark/benchmark.h>
#include <isa-l/crc.h>
#include <zlib.h>

#include <random>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "bench/bench_ratios.hpp"
#include "lib/hash/checksums.h"
#include "lib/hash/hash_table.h"

namespace {

const std::vector<UInt8> &Data() {
  static const std::vector<UInt8> data = [] {
    std::vector<UInt8> bytes(16 << 20);
    std::mt19937 random(1);
    for (UInt8 &b : bytes) b = UInt8(random());
    return bytes;
  }();
  return data;
}

void Sizes(benchmark::internal::Benchmark *b) {
  for (long size : {4L << 10, 64L << 10, 16L << 20}) b->Arg(size);
}

template <typename Checksum>
void RunChecksum(benchmark::State &state, Checksum checksum) {
  const UInt8 *data = Data().data();
  for (auto _ : state) benchmark::DoNotOptimize(checksum(data, UInt32(state.range(0))));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void Crc32Vigil(benchmark::State &state) {
  RunChecksum(state, [](const UInt8 *data, UInt32 length) { return CRC32(0, data, length); });
}
void Crc32Zlib(benchmark::State &state) {
  RunChecksum(state, [](const UInt8 *data, UInt32 length) { return crc32(0, data, length); });
}
void Crc32Isal(benchmark::State &state) {
  RunChecksum(state, [](const UInt8 *data, UInt32 length) { return crc32_gzip_refl(0, data, length); });
}
void Adler32Vigil(benchmark::State &state) {
  RunChecksum(state, [](const UInt8 *data, UInt32 length) { return Adler32(1, 0, data, length); });
}
void Adler32Zlib(benchmark::State &state) {
  RunChecksum(state, [](const UInt8 *data, UInt32 length) { return adler32(1, data, length); });
}

constexpr int kKeys = 1'000'000;
constexpr UInt32 kBuckets = 1048573;  // a prime near 2^20

const std::vector<UInt64> &Keys() {
  static const std::vector<UInt64> keys = [] {
    std::vector<UInt64> values(kKeys);
    std::mt19937_64 random(2);
    for (UInt64 &v : values) v = random();
    return values;
  }();
  return keys;
}

// A table of all the keys, its nodes from a fixed-size block allocator.
struct VigilTable {
  VigilTable() {
    FixedSizeBlockMemAllocatorNew(GetHashTableNodeSize(8), 0, nullptr, &nodes);
    CreateHashTable(0, kBuckets, nullptr, kHashFunctionBinary, nullptr, kDefaultMemAllocatorRef, nodes, &table);
  }
  ~VigilTable() {
    DeleteHashTable(table);
    FixedSizeBlockMemAllocatorDispose(nodes);
  }
  void AddAll() {
    for (const UInt64 &key : Keys()) AddToHashTable(table, &key, 8, nullptr);
  }
  MemAllocatorRef nodes = nullptr;
  HashTable *table = nullptr;
};

void InsertVigil(benchmark::State &state) {
  for (auto _ : state) {
    VigilTable table;
    table.AddAll();
    benchmark::DoNotOptimize(table.table);
  }
  state.SetItemsProcessed(state.iterations() * kKeys);
}

void InsertUnorderedMap(benchmark::State &state) {
  for (auto _ : state) {
    std::unordered_map<UInt64, UInt32> map;
    map.reserve(kBuckets);
    for (UInt64 key : Keys()) ++map[key];
    benchmark::DoNotOptimize(map.size());
  }
  state.SetItemsProcessed(state.iterations() * kKeys);
}

void LookupVigil(benchmark::State &state) {
  VigilTable table;
  table.AddAll();
  for (auto _ : state) {
    UInt64 found = 0;
    for (const UInt64 &key : Keys()) found += SearchHashTable(table.table, &key, 8, nullptr);
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * kKeys);
}

void LookupUnorderedMap(benchmark::State &state) {
  std::unordered_map<UInt64, UInt32> map;
  map.reserve(kBuckets);
  for (UInt64 key : Keys()) ++map[key];
  for (auto _ : state) {
    UInt64 found = 0;
    for (UInt64 key : Keys()) {
      auto it = map.find(key);
      found += it != map.end() ? it->second : 0;
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * kKeys);
}

}  // namespace

BENCHMARK(Crc32Vigil)->Name("CRC32:vigil")->Apply(Sizes);
BENCHMARK(Crc32Zlib)->Name("CRC32:zlib")->Apply(Sizes);
BENCHMARK(Crc32Isal)->Name("CRC32:isa-l")->Apply(Sizes);
BENCHMARK(Adler32Vigil)->Name("Adler32:vigil")->Apply(Sizes);
BENCHMARK(Adler32Zlib)->Name("Adler32:zlib")->Apply(Sizes);
BENCHMARK(InsertVigil)->Name("HashInsert:vigil")->Unit(benchmark::kMillisecond);
BENCHMARK(InsertUnorderedMap)->Name("HashInsert:unordered_map")->Unit(benchmark::kMillisecond);
BENCHMARK(LookupVigil)->Name("HashLookup:vigil")->Unit(benchmark::kMillisecond);
BENCHMARK(LookupUnorderedMap)->Name("HashLookup:unordered_map")->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (long size : {4L << 10, 64L << 10, 16L << 20}) {
    std::string suffix = "/" + std::to_string(size);
    pairs.emplace_back("CRC32:vigil" + suffix, "CRC32:zlib" + suffix);
    pairs.emplace_back("CRC32:vigil" + suffix, "CRC32:isa-l" + suffix);
    pairs.emplace_back("Adler32:vigil" + suffix, "Adler32:zlib" + suffix);
  }
  pairs.emplace_back("HashInsert:vigil", "HashInsert:unordered_map");
  pairs.emplace_back("HashLookup:vigil", "HashLookup:unordered_map");
  return vigil::bench::RunWithRatios(argc, argv, pairs);
}
