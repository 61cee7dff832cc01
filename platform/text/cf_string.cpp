#include "platform/text/cf_string.h"

#include "platform/text/cf_object.hpp"
#include "platform/text/mac_roman.hpp"

#include <cstring>
#include <optional>

namespace {

using vigil::text::kStringTypeID;

// The UTF-8 form of bytes in one of the supported encodings, or nothing.
std::optional<std::string> DecodeToUtf8(std::string_view bytes, CFStringEncoding encoding) {
  switch (encoding) {
    case kCFStringEncodingUTF8:
      if (!vigil::text::Utf8ToUtf16(bytes)) return std::nullopt;
      return std::string(bytes);
    case kCFStringEncodingASCII:
      for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
      }
      return std::string(bytes);
    case kCFStringEncodingMacRoman:
      return vigil::text::MacRomanToUtf8(
          {reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()});
    default:
      return std::nullopt;
  }
}

std::optional<std::string> EncodeFromUtf8(std::string_view utf8, CFStringEncoding encoding) {
  switch (encoding) {
    case kCFStringEncodingUTF8:
      return std::string(utf8);
    case kCFStringEncodingASCII:
      return DecodeToUtf8(utf8, kCFStringEncodingASCII);
    case kCFStringEncodingMacRoman:
      return vigil::text::Utf8ToMacRoman(utf8);
    default:
      return std::nullopt;
  }
}

bool IsString(CFStringRef string) {
  return string != nullptr && string->typeID == kStringTypeID;
}

}  // namespace

extern "C" CFTypeID CFStringGetTypeID(void) { return kStringTypeID; }

extern "C" CFStringRef CFStringCreateWithBytes(CFAllocatorRef, const UInt8 *bytes, CFIndex numBytes,
                                               CFStringEncoding encoding, Boolean) {
  if (numBytes < 0 || (bytes == nullptr && numBytes != 0)) return nullptr;
  const std::string_view text(reinterpret_cast<const char *>(bytes), static_cast<size_t>(numBytes));
  auto utf8 = DecodeToUtf8(text, encoding);
  if (!utf8) return nullptr;
  return vigil::text::MakeCFString(std::move(*utf8));
}

extern "C" CFStringRef CFStringCreateWithCString(CFAllocatorRef alloc, const char *cStr,
                                                 CFStringEncoding encoding) {
  if (cStr == nullptr) return nullptr;
  return CFStringCreateWithBytes(alloc, reinterpret_cast<const UInt8 *>(cStr),
                                 static_cast<CFIndex>(std::strlen(cStr)), encoding, false);
}

extern "C" CFIndex CFStringGetLength(CFStringRef string) {
  if (!IsString(string)) return 0;
  const auto utf16 = vigil::text::Utf8ToUtf16(string->utf8);
  return utf16 ? static_cast<CFIndex>(utf16->size()) : 0;
}

extern "C" Boolean CFStringGetCString(CFStringRef string, char *buffer, CFIndex bufferSize,
                                      CFStringEncoding encoding) {
  if (!IsString(string) || buffer == nullptr || bufferSize <= 0) return false;
  const auto encoded = EncodeFromUtf8(string->utf8, encoding);
  if (!encoded || encoded->size() >= static_cast<size_t>(bufferSize)) {
    buffer[0] = '\0';
    return false;
  }
  std::memcpy(buffer, encoded->c_str(), encoded->size() + 1);
  return true;
}

extern "C" const char *CFStringGetCStringPtr(CFStringRef string, CFStringEncoding encoding) {
  if (!IsString(string) || encoding != kCFStringEncodingUTF8) return nullptr;
  return string->utf8.c_str();
}
