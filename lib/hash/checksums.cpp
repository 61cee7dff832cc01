#include "lib/hash/checksums.h"

#include "lib/hash/crc32_paths.hpp"

namespace {

using CrcPath = UInt32 (*)(UInt32, const UInt8 *, std::size_t);

// The fastest path this processor offers, chosen once.
CrcPath FastestCrcPath() {
  static const CrcPath path = vigil::hash::HasWideCarrylessMultiply() ? vigil::hash::Crc32Folded512
                              : vigil::hash::HasCarrylessMultiply()   ? vigil::hash::Crc32Folded128
                                                                      : vigil::hash::Crc32Sliced;
  return path;
}

}  // namespace

extern "C" {

UInt32 CRC32(UInt32 crc, const void *data, UInt32 length) {
  // A null pointer asks for the starting value; an empty piece changes nothing,
  // so that a checksum computed in pieces never depends on how they were cut.
  if (data == nullptr) return 0;
  if (length == 0) return crc;
  return ~FastestCrcPath()(~crc, static_cast<const UInt8 *>(data), length);
}

UInt32 CRC32Dynamic(UInt32 crc, const void *data, UInt32 length) {
  vigil::hash::CRC32MakeTable();
  return CRC32(crc, data, length);
}

UInt8 CHRPNVRAMChecksum(const void *data, UInt32 length) {
  const UInt8 *bytes = static_cast<const UInt8 *>(data);
  UInt32 sum = 0;
  for (UInt32 i = 0; i < length; ++i) {
    sum += bytes[i];
    if (sum > 0xFF) sum = (sum & 0xFF) + 1;  // the carry goes round to the bottom
  }
  return UInt8(sum);
}

}  // extern "C"
