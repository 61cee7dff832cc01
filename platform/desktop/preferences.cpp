#include "platform/desktop/preferences.hpp"

#include "platform/desktop/xdg_directories.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

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

bool WriteAll(int descriptor, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = write(descriptor, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Writes a new file beside the old one, flushes it and renames it over the old
// one, so that a crash leaves either file whole, never a mixture.
bool ReplaceFile(const std::string &path, std::string_view contents) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return false;
  std::string temporary = path + ".XXXXXX";
  const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);  // mode 0600
  if (descriptor < 0) return false;
  const bool written = WriteAll(descriptor, contents) && fsync(descriptor) == 0;
  if (close(descriptor) != 0 || !written || rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  const int folderDescriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderDescriptor >= 0) {
    fsync(folderDescriptor);
    close(folderDescriptor);
  }
  return true;
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
  return ReplaceFile(path_, contents);
}

}  // namespace vigil::desktop
