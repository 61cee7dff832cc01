// Fuzzes both unpacking walks with random formats, arguments and data: the walks
// must never read past the data nor write past a destination's capacity.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lib/memory/unpack.hpp"
#include "lib/memory/unpack_data.hpp"

namespace {

constexpr UInt32 kScratchSize = 1 << 16;

// Arguments made up from the fuzzer's bytes: small integers, capacities that fit
// the scratch destination, and now and then a null destination.
class FuzzArguments {
 public:
  explicit FuzzArguments(FuzzedDataProvider &input) : input_(input) {}
  int Int() { return input_.ConsumeIntegralInRange<int>(-2, 9); }
  UInt32 Unsigned() {
    return input_.ConsumeBool() ? input_.ConsumeIntegralInRange<UInt32>(0, 40)
                                : input_.ConsumeIntegralInRange<UInt32>(0, kScratchSize);
  }
  template <typename T>
  T *Pointer() {
    if (input_.ConsumeIntegralInRange<int>(0, 15) == 0) return nullptr;
    static std::vector<std::uint64_t> scratch(kScratchSize / 8 + 1);  // aligned, reused
    return reinterpret_cast<T *>(scratch.data());
  }

 private:
  FuzzedDataProvider &input_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
  FuzzedDataProvider input(bytes, size);
  bool byteOrderLanguage = input.ConsumeBool();
  static const char kLetters[] = " bhwinsHtTW123456789@#$%^&*(nNsSplx!";
  std::string format;
  for (int count = input.ConsumeIntegralInRange(0, 12); count > 0; --count)
    format += kLetters[input.ConsumeIntegralInRange<std::size_t>(0, sizeof kLetters - 2)];
  std::vector<std::uint8_t> data = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 300));
  // An exactly sized copy, so that the sanitizer sees any read past the end.
  std::vector<std::uint8_t> exact(data.begin(), data.end());
  FuzzArguments arguments(input);
  const UInt8 *start = exact.empty() ? nullptr : exact.data();
  if (byteOrderLanguage) {
    SInt32 consumed = vigil::memory::UnpackDataItems(UInt32(exact.size()), start, format.c_str(), arguments);
    if (consumed > SInt32(exact.size())) __builtin_trap();
  } else {
    vigil::memory::UnpackItems(start, UInt32(exact.size()), format.c_str(), arguments);
  }
  return 0;
}
