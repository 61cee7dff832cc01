#include "platform/desktop/desktop_entries.hpp"

#include "platform/desktop/child_processes.hpp"
#include "platform/files/file_uris.hpp"

#include <fstream>
#include <string_view>

namespace vigil::desktop {
namespace {

// The escapes of string values: \s \n \t \r \\; others are kept as they are,
// for the Exec key's own quoting to read.
std::string UnescapeValue(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's': out += ' '; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case '\\': out += '\\'; break;
      default: out += '\\'; out += value[i]; break;
    }
  }
  return out;
}

struct Word {
  std::string text;
  bool quoted = false;
};

// Splits the Exec value: blanks separate words; inside double quotes a
// backslash escapes ", `, $ and \. Nothing for an unterminated quote.
std::optional<std::vector<Word>> SplitExec(const std::string &exec) {
  std::vector<Word> words;
  std::optional<Word> current;
  for (size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (c == ' ' || c == '\t' || c == '\n') {
      if (current) words.push_back(std::move(*current));
      current.reset();
      continue;
    }
    if (!current) current = Word{};
    if (c != '"') {
      current->text += c;
      continue;
    }
    current->quoted = true;
    for (++i;; ++i) {
      if (i >= exec.size()) return std::nullopt;
      if (exec[i] == '"') break;
      if (exec[i] == '\\' && i + 1 < exec.size() &&
          std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
        ++i;
      }
      current->text += exec[i];
    }
  }
  if (current) words.push_back(std::move(*current));
  return words;
}

}  // namespace

std::vector<std::string> SplitStringList(const std::string &value) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start < value.size()) {
    size_t end = value.find(';', start);
    if (end == std::string::npos) end = value.size();
    if (end > start) items.push_back(value.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

std::optional<DesktopEntry> ReadDesktopEntry(const std::string &path) {
  std::ifstream file(path);
  if (!file) return std::nullopt;
  DesktopEntry entry;
  entry.path = path;
  bool inGroup = false;
  bool found = false;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      inGroup = line == "[Desktop Entry]";
      found |= inGroup;
      continue;
    }
    const size_t equals = line.find('=');
    if (!inGroup || equals == std::string::npos) continue;
    std::string key = line.substr(0, equals);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    size_t valueStart = equals + 1;
    while (valueStart < line.size() && line[valueStart] == ' ') ++valueStart;
    const std::string value = UnescapeValue(std::string_view(line).substr(valueStart));
    if (key == "Type") entry.type = value;
    else if (key == "Name") entry.name = value;
    else if (key == "Icon") entry.icon = value;
    else if (key == "Exec") entry.exec = value;
    else if (key == "TryExec") entry.tryExec = value;
    else if (key == "Path") entry.workingDirectory = value;
    else if (key == "Hidden") entry.hidden = value == "true";
    else if (key == "MimeType") entry.mimeTypes = SplitStringList(value);
  }
  if (!found) return std::nullopt;
  return entry;
}

bool IsLaunchable(const DesktopEntry &entry) {
  return entry.type == "Application" && !entry.hidden && !entry.exec.empty() &&
         (entry.tryExec.empty() || FindProgram(entry.tryExec).has_value());
}

std::optional<std::vector<std::string>> ExpandExec(const DesktopEntry &entry,
                                                   const std::string &filePath) {
  const auto words = SplitExec(entry.exec);
  if (!words || words->empty()) return std::nullopt;
  std::vector<std::string> arguments;
  bool namedFile = false;
  for (const Word &word : *words) {
    // Field codes are not expanded inside quotes.
    if (word.quoted) {
      arguments.push_back(word.text);
      continue;
    }
    if (word.text == "%i") {
      if (!entry.icon.empty()) {
        arguments.push_back("--icon");
        arguments.push_back(entry.icon);
      }
      continue;
    }
    std::string argument;
    bool dropped = false;
    for (size_t i = 0; i < word.text.size(); ++i) {
      if (word.text[i] != '%' || i + 1 == word.text.size()) {
        argument += word.text[i];
        continue;
      }
      switch (word.text[++i]) {
        case 'f': case 'F': argument += filePath; namedFile = true; break;
        case 'u': case 'U': argument += files::FileUriFromPath(filePath); namedFile = true; break;
        case 'c': argument += entry.name; break;
        case 'k': argument += entry.path; break;
        case '%': argument += '%'; break;
        default:  // deprecated and unknown codes stand for nothing
          dropped = word.text.size() == 2;
          break;
      }
    }
    if (!(dropped && argument.empty())) arguments.push_back(std::move(argument));
  }
  if (!namedFile) arguments.push_back(filePath);
  if (arguments.empty() || arguments.front().empty()) return std::nullopt;
  return arguments;
}

}  // namespace vigil::desktop
