#include "platform/desktop/preferences.hpp"

#include "platform/desktop/atomic_file.hpp"
#include "platform/desktop/xdg_directories.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <span>

namespace vigil::desktop {
namespace {

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The section a line opens, if it is a section header.
std::optional<std::string_view> SectionOf(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return Trim(line.substr(1, line.size() - 2));
}

// The key and value of a "key = value" line (not a comment).
std::optional<std::pair<std::string_view, std::string_view>> EntryOf(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == '#' || line.front() == ';') return std::nullopt;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return std::pair(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The file is made first, empty and for its owner only, so that the atomic
// writer, which keeps an existing file's permissions, never shows a password to
// anyone else, not even for a moment.
bool CreatePrivateFile(const std::string &path) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  if (error) return false;
  const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (descriptor >= 0) return close(descriptor) == 0;
  return errno == EEXIST;
}

}  // namespace

std::string Preferences::DefaultPath() { return ConfigHome() + "/vigil/vigil.ini"; }

Preferences::Preferences(std::string path) : path_(std::move(path)) {
  std::ifstream file(path_);
  for (std::string line; std::getline(file, line);) lines_.push_back(std::move(line));
}

std::optional<std::string> Preferences::get(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const std::string &line : lines_) {
    if (const auto name = SectionOf(line)) {
      inSection = *name == section;
    } else if (const auto entry = EntryOf(line); inSection && entry && entry->first == key) {
      return std::string(entry->second);
    }
  }
  return std::nullopt;
}

bool Preferences::set(std::string_view section, std::string_view key, std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
      HasLineBreak(value) || section.find(']') != std::string_view::npos ||
      key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == '#' ||
      key.front() == ';') {
    return false;
  }
  const std::string entry = std::string(key) + " = " + std::string(Trim(value));
  bool inSection = false;
  std::optional<size_t> insertAt;  // after the section's last entry
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionOf(lines_[i])) {
      if (inSection) break;
      inSection = *name == section;
      if (inSection) insertAt = i + 1;
    } else if (inSection) {
      const auto existing = EntryOf(lines_[i]);
      if (existing && existing->first == key) {
        lines_[i] = entry;
        return true;
      }
      if (!Trim(lines_[i]).empty()) insertAt = i + 1;
    }
  }
  if (insertAt) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
    return true;
  }
  if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
  lines_.push_back("[" + std::string(section) + "]");
  lines_.push_back(entry);
  return true;
}

bool Preferences::save() const {
  std::string contents;
  for (const std::string &line : lines_) contents += line + "\n";
  if (!CreatePrivateFile(path_)) return false;
  const std::span bytes(reinterpret_cast<const std::uint8_t *>(contents.data()), contents.size());
  return !WriteFileAtomically(path_, bytes).has_value();
}

}  // namespace vigil::desktop
