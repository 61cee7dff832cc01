// Writing a settings document: the dictionary as the original platform's archiver
// writes it, so that the platform reads our documents and we read its own.
#pragma once

#include "platform/desktop/archived_dictionary.hpp"

#include <cstdint>
#include <vector>

namespace vigil {

// A little-endian typedstream whose root object is a mutable dictionary of the
// entries in their order: keys and string values as strings, integers as 32-bit
// numbers. Throws std::length_error for a text of 2 GiB or more, which the format
// cannot hold.
std::vector<std::uint8_t> Archive(const ArchivedDictionary& dictionary);

}  // namespace vigil
