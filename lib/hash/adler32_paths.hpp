// The ways of computing Adler-32: the scalar loop that reduces every blockSize
// bytes, and a vector path for processors with AVX2. Both give the same result.
#pragma once

#include <cstddef>

#include "platform/core/base_types.h"

namespace vigil::hash {

UInt32 Adler32Scalar(UInt32 adler, UInt32 blockSize, const UInt8 *data, std::size_t length);
bool HasAdler32Vector();
UInt32 Adler32Vector(UInt32 adler, const UInt8 *data, std::size_t length);

}  // namespace vigil::hash
