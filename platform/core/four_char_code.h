/* Building four-character codes from their characters. */
#ifndef VIGIL_PLATFORM_CORE_FOUR_CHAR_CODE_H
#define VIGIL_PLATFORM_CORE_FOUR_CHAR_CODE_H

#include "platform/core/base_types.h"

#define VIGIL_FOUR_CHAR_CODE(a, b, c, d)                                             \
  ((FourCharCode)(((UInt32)(UInt8)(a) << 24) | ((UInt32)(UInt8)(b) << 16) |          \
                  ((UInt32)(UInt8)(c) << 8) | (UInt32)(UInt8)(d)))

#endif
