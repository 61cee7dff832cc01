// The byte-at-a-time CRC-32 table, its builder, and the sliced-table path.
#include <array>

#include "lib/hash/crc32_paths.hpp"

namespace vigil::hash {
namespace {

constexpr UInt32 kPolynomial = 0xEDB88320;  // the reflected CRC-32 polynomial

constexpr UInt32 StepEightBits(UInt32 value, UInt32 polynomial) {
  for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? (value >> 1) ^ polynomial : value >> 1;
  return value;
}

constexpr std::array<UInt32, 256> MakeTable() {
  std::array<UInt32, 256> table{};
  for (UInt32 n = 0; n < 256; ++n) table[n] = StepEightBits(n, kPolynomial);
  return table;
}

constexpr auto kInitialTable = MakeTable();
static_assert(kInitialTable[1] == 0x77073096 && kInitialTable[255] == 0x2D02EF8D);

// Slicing by eight: table k gives the register effect of a byte followed by k zeros.
constexpr std::array<std::array<UInt32, 256>, 8> MakeSlicingTables() {
  std::array<std::array<UInt32, 256>, 8> tables{};
  tables[0] = MakeTable();
  for (int k = 1; k < 8; ++k)
    for (int n = 0; n < 256; ++n) tables[k][n] = (tables[k - 1][n] >> 8) ^ tables[0][tables[k - 1][n] & 0xFF];
  return tables;
}

constexpr auto kSlicing = MakeSlicingTables();

// The exponents of the generator polynomial's terms, below x^32.
constexpr UInt8 kPolyTerms[14] = {0, 1, 2, 4, 5, 7, 8, 10, 11, 12, 16, 22, 23, 26};

}  // namespace

constinit std::array<UInt32, 256> kCRC32Table = MakeTable();
UInt8 gCRC32TableInitialized = 0;

void CRC32MakeTable() {
  if (gCRC32TableInitialized) return;
  UInt32 polynomial = 0;
  for (UInt8 exponent : kPolyTerms) polynomial |= 1u << (31 - exponent);
  for (UInt32 n = 0; n < 256; ++n) kCRC32Table[n] = StepEightBits(n, polynomial);
  gCRC32TableInitialized = 1;
}

UInt32 Crc32Table(UInt32 reg, const UInt8 *data, std::size_t length) {
  const UInt8 *end = data + length;
  for (; end - data >= 8; data += 8) {
    for (int i = 0; i < 8; ++i) reg = (reg >> 8) ^ kCRC32Table[(reg ^ data[i]) & 0xFF];
  }
  for (; data < end; ++data) reg = (reg >> 8) ^ kCRC32Table[(reg ^ *data) & 0xFF];
  return reg;
}

UInt32 Crc32Sliced(UInt32 reg, const UInt8 *data, std::size_t length) {
  const UInt8 *end = data + length;
  for (; end - data >= 8; data += 8) {
    UInt32 low = reg ^ (UInt32(data[0]) | UInt32(data[1]) << 8 | UInt32(data[2]) << 16 | UInt32(data[3]) << 24);
    UInt32 high = UInt32(data[4]) | UInt32(data[5]) << 8 | UInt32(data[6]) << 16 | UInt32(data[7]) << 24;
    reg = kSlicing[7][low & 0xFF] ^ kSlicing[6][(low >> 8) & 0xFF] ^ kSlicing[5][(low >> 16) & 0xFF] ^
          kSlicing[4][low >> 24] ^ kSlicing[3][high & 0xFF] ^ kSlicing[2][(high >> 8) & 0xFF] ^
          kSlicing[1][(high >> 16) & 0xFF] ^ kSlicing[0][high >> 24];
  }
  for (; data < end; ++data) reg = (reg >> 8) ^ kSlicing[0][(reg ^ *data) & 0xFF];
  return reg;
}

}  // namespace vigil::hash
