// Item names as the platform shows them: Mac OS Roman Pascal strings of at most 63
// bytes with ':' and '/' exchanged. A POSIX name that has no such form gets a
// shortened unique one, "head#NODEID.ext" with the inode in hexadecimal, which
// the layer maps back by looking for that inode in the folder.
#pragma once

#include "platform/core/base_types.h"

#include <sys/types.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vigil::files {

inline constexpr size_t kMaxItemNameLength = 63;

// The platform name of a POSIX file name (bytes, without the length byte).
std::string PlatformNameFromPosix(std::string_view posixName, ino_t inode);

// The POSIX file name that a platform name stands for, unless it is a shortened form.
std::string PosixNameFromPlatform(std::span<const uint8_t> platformName);

// The inode that a shortened platform name carries, if it has that form.
std::optional<ino_t> ShortenedNameInode(std::span<const uint8_t> platformName);

// Copies a name into a Pascal string field of the given capacity (length byte included).
void StorePascalName(std::string_view name, unsigned char *field, size_t capacity);

// The bytes of a Pascal string.
inline std::span<const uint8_t> PascalBytes(const unsigned char *pascal) {
  return {pascal + 1, pascal[0]};
}

}  // namespace vigil::files
