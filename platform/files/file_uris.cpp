#include "platform/files/file_uris.hpp"

namespace vigil::files {

std::string FileUriFromPath(std::string_view absolutePath) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string uri = "file://";
  for (const char c : absolutePath) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                       (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                       c == '~' || c == '/';
    if (plain) {
      uri += c;
    } else {
      uri += '%';
      uri += kHex[byte >> 4];
      uri += kHex[byte & 0x0F];
    }
  }
  return uri;
}

}  // namespace vigil::files
