// The ways of computing CRC-32 over a run of bytes. Each takes and returns the
// inverted running value (the register), so they can be chained and compared.
// The table path is the reference; the others must give the same register.
#pragma once

#include <array>
#include <cstddef>

#include "platform/core/base_types.h"

namespace vigil::hash {

// Module data, valid from the start; CRC32MakeTable rewrites it with the same values.
extern std::array<UInt32, 256> kCRC32Table;
extern UInt8 gCRC32TableInitialized;
void CRC32MakeTable();

UInt32 Crc32Table(UInt32 reg, const UInt8 *data, std::size_t length);
UInt32 Crc32Sliced(UInt32 reg, const UInt8 *data, std::size_t length);
// Carry-less multiplication, 16 and 64 bytes per lane; only where the processor has it.
bool HasCarrylessMultiply();
UInt32 Crc32Folded128(UInt32 reg, const UInt8 *data, std::size_t length);
bool HasWideCarrylessMultiply();
UInt32 Crc32Folded512(UInt32 reg, const UInt8 *data, std::size_t length);

}  // namespace vigil::hash
