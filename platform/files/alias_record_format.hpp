// The byte layout of this platform's alias records.
#pragma once

#include "platform/core/base_types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vigil::files {

// Version 1 of the layout. Every number is big-endian.
//
//   offset  size  field
//    0       4    userType       the caller's; 0 when made
//    4       2    aliasSize      size of the whole record in bytes
//    6       2    version        1
//    8       2    kind           the item's file type bits (st_mode & S_IFMT)
//   10       2    reserved       0
//   12       8    device         st_dev of the item when the record was made
//   20       8    inode          st_ino of the item
//   28       2    length A, then A bytes: the item's absolute canonical path
//            2    length R, then R bytes: the path relative to the folder of the
//                                          origin file, empty when none was given
//            2    length V, then V bytes: the UTF-8 name of the item's volume
//
// The sizes of the record and of its parts fit 16 bits because paths are bounded
// by PATH_MAX; a record whose parts do not add up to aliasSize is damaged.
inline constexpr UInt16 kAliasRecordVersion = 1;
inline constexpr size_t kAliasRecordHeaderSize = 28;

struct AliasRecordContents {
  UInt16 kind = 0;
  uint64_t device = 0;
  uint64_t inode = 0;
  std::string absolutePath;
  std::string relativePath;
  std::string volumeName;
};

// The record's bytes, with userType 0; nothing when it would exceed 65535 bytes.
std::optional<std::vector<UInt8>> EncodeAliasRecord(const AliasRecordContents &contents);

// What a record holds; nothing for a record that is damaged or of another version.
std::optional<AliasRecordContents> DecodeAliasRecord(std::span<const UInt8> bytes);

}  // namespace vigil::files
