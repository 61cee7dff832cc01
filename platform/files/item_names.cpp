#include "platform/files/item_names.hpp"

#include "platform/text/mac_roman.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vigil::files {
namespace {

// Exchanges ':' and '/', which swap roles between platform and POSIX names.
void SwapSeparators(std::string &name) {
  for (char &c : name) {
    if (c == ':') {
      c = '/';
    } else if (c == '/') {
      c = ':';
    }
  }
}

// The Mac OS Roman form of text, with '_' for each character that has none
// (or each byte that is not UTF-8).
std::string ApproximateMacRoman(std::string_view utf8) {
  std::string out;
  while (!utf8.empty()) {
    const auto decoded = text::DecodeUtf8(utf8);
    const auto byte = decoded ? text::UnicodeToMacRoman(decoded->scalar) : std::nullopt;
    out += byte ? static_cast<char>(*byte) : '_';
    utf8.remove_prefix(decoded ? decoded->length : 1);
  }
  return out;
}

std::string Hex(uint64_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return out;
}

}  // namespace

std::string PlatformNameFromPosix(std::string_view posixName, ino_t inode) {
  if (auto exact = text::Utf8ToMacRoman(posixName); exact && exact->size() <= kMaxItemNameLength) {
    SwapSeparators(*exact);
    return *exact;
  }
  std::string head = ApproximateMacRoman(posixName);
  std::string extension;
  if (const size_t dot = head.rfind('.'); dot != std::string::npos && dot > 0 &&
                                          head.size() - dot <= 16) {
    extension = head.substr(dot);
    head.resize(dot);
  }
  const std::string tag = "#" + Hex(inode);
  head.resize(std::min(head.size(), kMaxItemNameLength - tag.size() - extension.size()));
  std::string shortened = head + tag + extension;
  SwapSeparators(shortened);
  return shortened;
}

std::string PosixNameFromPlatform(std::span<const uint8_t> platformName) {
  std::string posix = text::MacRomanToUtf8(platformName);
  SwapSeparators(posix);
  return posix;
}

std::optional<ino_t> ShortenedNameInode(std::span<const uint8_t> platformName) {
  const std::string_view name(reinterpret_cast<const char *>(platformName.data()),
                              platformName.size());
  const size_t hash = name.rfind('#');
  if (hash == std::string_view::npos) return std::nullopt;
  uint64_t inode = 0;
  size_t digits = 0;
  for (size_t i = hash + 1; i < name.size() && std::isxdigit(static_cast<unsigned char>(name[i])) &&
                            !std::islower(static_cast<unsigned char>(name[i]));
       ++i, ++digits) {
    if (digits == 16) return std::nullopt;
    const char c = name[i];
    inode = inode * 16 + static_cast<uint64_t>(c <= '9' ? c - '0' : c - 'A' + 10);
  }
  if (digits == 0) return std::nullopt;
  const size_t rest = hash + 1 + digits;
  if (rest != name.size() && name[rest] != '.') return std::nullopt;
  return static_cast<ino_t>(inode);
}

void StorePascalName(std::string_view name, unsigned char *field, size_t capacity) {
  const size_t length = std::min({name.size(), capacity - 1, size_t{255}});
  field[0] = static_cast<unsigned char>(length);
  std::memcpy(field + 1, name.data(), length);
}

}  // namespace vigil::files
