#include "platform/desktop/mime_types.hpp"

#include "platform/desktop/xdg_directories.hpp"

#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <optional>
#include <set>

namespace vigil::desktop {
namespace {

struct Glob {
  int weight = 50;
  std::string type;
  std::string pattern;
  bool caseSensitive = false;
};

std::string Lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// "weight:type:pattern[:flags]" lines of every globs2 file, most important
// folder first.
std::vector<Glob> ReadGlobs() {
  std::vector<Glob> globs;
  for (const std::string &folder : AllDataDirs()) {
    std::ifstream file(folder + "/mime/globs2");
    for (std::string line; std::getline(file, line);) {
      if (line.empty() || line.front() == '#') continue;
      const size_t first = line.find(':');
      const size_t second = line.find(':', first + 1);
      if (first == std::string::npos || second == std::string::npos) continue;
      Glob glob;
      const auto [end, error] = std::from_chars(line.data(), line.data() + first, glob.weight);
      if (error != std::errc()) continue;
      glob.type = line.substr(first + 1, second - first - 1);
      const size_t third = line.find(':', second + 1);
      glob.pattern = line.substr(second + 1, third == std::string::npos ? std::string::npos
                                                                         : third - second - 1);
      glob.caseSensitive =
          third != std::string::npos && line.find("cs", third) != std::string::npos;
      if (!glob.type.empty() && !glob.pattern.empty()) globs.push_back(std::move(glob));
    }
  }
  return globs;
}

bool IsLiteral(const std::string &pattern) {
  return pattern.find_first_of("*?[") == std::string::npos;
}

std::optional<std::string> TypeByName(const std::string &name) {
  const std::string lowered = Lowercase(name);
  const Glob *best = nullptr;
  const auto better = [](const Glob &candidate, const Glob &current) {
    const bool literal = IsLiteral(candidate.pattern);
    if (literal != IsLiteral(current.pattern)) return literal;
    if (candidate.weight != current.weight) return candidate.weight > current.weight;
    return candidate.pattern.size() > current.pattern.size();
  };
  const std::vector<Glob> globs = ReadGlobs();
  for (const Glob &glob : globs) {
    const std::string &subject = glob.caseSensitive ? name : lowered;
    if (fnmatch(glob.pattern.c_str(), subject.c_str(), 0) != 0) continue;
    if (best == nullptr || better(glob, *best)) best = &glob;
  }
  if (best == nullptr) return std::nullopt;
  return best->type;
}

// Text has no NUL and no control characters but the usual white space in its
// first bytes.
std::string TypeByContents(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  char buffer[512];
  file.read(buffer, sizeof buffer);
  for (std::streamsize i = 0; i < file.gcount(); ++i) {
    const auto byte = static_cast<unsigned char>(buffer[i]);
    if (byte < 0x20 && byte != '\n' && byte != '\r' && byte != '\t' && byte != '\f' &&
        byte != 0x1B) {
      return "application/octet-stream";
    }
  }
  return "text/plain";
}

}  // namespace

std::string MimeTypeOfFile(const std::string &path) {
  struct stat status {};
  if (stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) return "inode/directory";
  const std::string name = path.substr(path.rfind('/') + 1);
  if (auto byName = TypeByName(name)) return *byName;
  return TypeByContents(path);
}

std::vector<std::string> MimeTypeParents(const std::string &type) {
  // Breadth first, so that nearer kinds come before farther ones.
  std::vector<std::string> kinds{type};
  std::set<std::string> seen{type};
  for (size_t i = 0; i < kinds.size(); ++i) {
    const std::string prefix = kinds[i] + " ";
    for (const std::string &folder : AllDataDirs()) {
      std::ifstream file(folder + "/mime/subclasses");
      for (std::string line; std::getline(file, line);) {
        if (!line.starts_with(prefix)) continue;
        std::string parent = line.substr(prefix.size());
        if (seen.insert(parent).second) kinds.push_back(std::move(parent));
      }
    }
  }
  if (type.starts_with("text/") && seen.insert("text/plain").second) kinds.push_back("text/plain");
  kinds.erase(kinds.begin());
  return kinds;
}

}  // namespace vigil::desktop
