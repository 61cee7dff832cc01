// Random formats and arguments through the formatted-print engine that
// ExpandFormat and SPrintF run. The output goes to a heap buffer of exactly the
// stated size, so that a write past it is caught; the same expansion into a
// larger buffer must begin with the same bytes.
//
// Input: one byte choosing the small size, 64 bytes of argument words, then the
// format. String arguments come from a pool whose buffers are longer than any
// precision the format can ask for (digit runs are cut to 5 digits, and '.*'
// precisions are kept below 100000), as callers guarantee.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "lib/format/format_engine.hpp"

namespace {

constexpr std::size_t kPoolBuffer = 1 << 17;
constexpr int kWords = 16;

struct Pool {
  std::vector<char> cStrings[3];
  std::vector<unsigned char> pStrings[3];
  Pool() {
    const std::size_t lengths[3] = {0, 5, 300};
    for (int i = 0; i < 3; ++i) {
      cStrings[i].assign(kPoolBuffer, 'c');
      cStrings[i][lengths[i]] = '\0';
      pStrings[i].assign(kPoolBuffer, 'p');
      pStrings[i][0] = static_cast<unsigned char>(lengths[i] & 0xFF);
    }
  }
};

class ArraySource {
 public:
  ArraySource(const std::uint32_t *words, const Pool &pool) : words_(words), pool_(pool) {}
  UInt32 NextWord() { return words_[next_++ % kWords]; }
  SInt32 NextInt() { return static_cast<SInt32>(NextWord() % 200000) - 100000; }
  const char *NextCString() {
    const UInt32 w = NextWord();
    return w % 7 == 0 ? nullptr : pool_.cStrings[w % 3].data();
  }
  const unsigned char *NextPString() { return pool_.pStrings[NextWord() % 3].data(); }

 private:
  const std::uint32_t *words_;
  const Pool &pool_;
  unsigned next_ = 0;
};

class BoundedSink {
 public:
  BoundedSink(char *dst, std::size_t size) : dst_(dst), size_(size) {}
  void Put(const char *p, std::size_t n) {
    const std::size_t take = std::min(n, Room());
    std::memcpy(dst_ + used_, p, take);
    used_ += take;
  }
  void Fill(char c, std::size_t n) {
    const std::size_t take = std::min(n, Room());
    std::memset(dst_ + used_, c, take);
    used_ += take;
  }
  void Finish() { dst_[used_] = '\0'; }
  std::size_t Used() const { return used_; }

 private:
  std::size_t Room() const { return size_ - 1 - used_; }  // one byte kept for the terminator
  char *dst_;
  std::size_t size_;
  std::size_t used_ = 0;
};

// The format with every run of digits cut to at most 5 digits.
std::string Format(const std::uint8_t *data, std::size_t size) {
  std::string format;
  int run = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\0') break;
    run = (c >= '0' && c <= '9') ? run + 1 : 0;
    if (run <= 5) format += c;
  }
  return format;
}

std::size_t Expand(const std::string &format, const std::uint32_t *words, const Pool &pool, char *dst,
                   std::size_t size) {
  ArraySource source(words, pool);
  BoundedSink sink(dst, size);
  vigil::format::Expand(format.c_str(), source, sink);
  return sink.Used();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static const Pool pool;
  if (size < 1 + kWords * 4) return 0;
  std::uint32_t words[kWords];
  std::memcpy(words, data + 1, sizeof words);
  const std::string format = Format(data + 1 + sizeof words, size - 1 - sizeof words);
  const std::size_t small = 1 + data[0];
  static std::vector<char> largeOut(1 << 20);
  std::vector<char> smallOut(small);  // exactly the stated size
  const std::size_t smallUsed = Expand(format, words, pool, smallOut.data(), small);
  const std::size_t largeUsed = Expand(format, words, pool, largeOut.data(), largeOut.size());
  if (smallUsed > largeUsed || std::memcmp(smallOut.data(), largeOut.data(), smallUsed) != 0) __builtin_trap();
  return 0;
}
