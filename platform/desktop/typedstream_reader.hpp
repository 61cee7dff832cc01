// Reading a settings document: a typedstream archive whose root object is a
// dictionary of string keys to numbers and strings.
#pragma once

#include "platform/desktop/archived_dictionary.hpp"

#include <cstdint>
#include <optional>
#include <span>

namespace vigil {

// The archived dictionary, or nothing when the data is not such an archive. Takes
// either byte order, references to anything written earlier, unknown subclasses of
// the known classes, and numbers of any scalar encoding (converted to a 32-bit
// integer as the platform's intValue does). Hostile data of any kind answers
// nothing: time and memory stay linear in the size of the data.
std::optional<ArchivedDictionary> Unarchive(std::span<const std::uint8_t> data);

}  // namespace vigil
