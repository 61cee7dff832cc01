#include "platform/desktop/dragging.hpp"

#include <sstream>

namespace vigil::desktop {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    const char byte = static_cast<char>(high * 16 + low);
    if (byte == '\0') return std::nullopt;
    out += byte;
    i += 2;
  }
  return out;
}

}  // namespace

std::optional<std::string> FilenamesPasteboard::availableTypeFromArray(
    const std::vector<std::string> &types) const {
  for (const std::string &type : types) {
    if (type == kFilenamesPboardType) return type;
  }
  return std::nullopt;
}

std::vector<std::string> FilenamesPasteboard::propertyListForType(const std::string &type) const {
  return type == kFilenamesPboardType ? paths_ : std::vector<std::string>();
}

std::vector<std::string> PathsFromUriList(const std::string &uriList) {
  std::vector<std::string> paths;
  std::istringstream lines(uriList);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    std::string_view uri(line);
    if (!uri.starts_with("file:")) continue;
    uri.remove_prefix(5);
    if (uri.starts_with("//")) {
      uri.remove_prefix(2);
      const size_t slash = uri.find('/');
      if (slash == std::string_view::npos) continue;
      const std::string_view host = uri.substr(0, slash);
      if (!host.empty() && host != "localhost") continue;  // another machine's file
      uri.remove_prefix(slash);
    }
    if (uri.empty() || uri.front() != '/') continue;
    if (auto path = PercentDecode(uri)) paths.push_back(std::move(*path));
  }
  return paths;
}

}  // namespace vigil::desktop
