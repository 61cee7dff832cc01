// Constants of the typedstream archive format shared by its reader and writer.
#pragma once

#include <cstdint>
#include <string_view>

namespace vigil::typedstream {

inline constexpr std::uint8_t kStreamerVersion = 4;
// The signature tells the byte order of every multi-byte number that follows.
inline constexpr std::string_view kLittleEndianSignature = "streamtyped";
inline constexpr std::string_view kBigEndianSignature = "typedstream";
// The system version that archives from the original platform carry.
inline constexpr std::int32_t kSystemVersion = 1000;

// Head bytes, read as signed 8-bit values. -128 to -111 are tags; any other value
// is a small integer standing for itself.
inline constexpr std::int8_t kTagInt16 = -127;
inline constexpr std::int8_t kTagInt32 = -126;
inline constexpr std::int8_t kTagFloat = -125;
inline constexpr std::int8_t kTagNew = -124;
inline constexpr std::int8_t kTagNil = -123;
inline constexpr std::int8_t kTagEndOfObject = -122;
inline constexpr std::int8_t kLowestTag = -128;
inline constexpr std::int8_t kHighestTag = -111;

// Reference index i is written as the integer i + kFirstReference.
inline constexpr std::int32_t kFirstReference = -110;

// Classes of a settings document, with the versions the platform writes.
struct ArchivedClass {
  std::string_view name;
  std::int32_t version;
};
inline constexpr ArchivedClass kObjectClass{"NSObject", 0};
inline constexpr ArchivedClass kDictionaryClass{"NSDictionary", 0};
inline constexpr ArchivedClass kMutableDictionaryClass{"NSMutableDictionary", 0};
inline constexpr ArchivedClass kStringClass{"NSString", 1};
inline constexpr ArchivedClass kMutableStringClass{"NSMutableString", 1};
inline constexpr ArchivedClass kValueClass{"NSValue", 0};
inline constexpr ArchivedClass kNumberClass{"NSNumber", 0};

// Type encodings of the typed groups used here.
inline constexpr std::string_view kObjectEncoding = "@";
inline constexpr std::string_view kIntEncoding = "i";
inline constexpr std::string_view kBytesEncoding = "+";
inline constexpr std::string_view kCStringEncoding = "*";

}  // namespace vigil::typedstream
