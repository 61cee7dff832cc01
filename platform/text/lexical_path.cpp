#include "platform/text/lexical_path.hpp"

#include <unistd.h>

#include <memory>

namespace vigil::text {

std::optional<std::string> AbsoluteLexicalPath(std::string_view path) {
  if (path.empty() || path.find('\0') != std::string_view::npos) return std::nullopt;
  std::string joined;
  if (path.front() != '/') {
    std::unique_ptr<char, decltype(&free)> cwd(getcwd(nullptr, 0), &free);
    if (!cwd) return std::nullopt;
    joined = cwd.get();
    joined += '/';
  }
  joined += path;

  std::string out;
  out.reserve(joined.size());
  size_t start = 0;
  while (start <= joined.size()) {
    size_t end = joined.find('/', start);
    if (end == std::string::npos) end = joined.size();
    const std::string_view component(joined.data() + start, end - start);
    if (!component.empty() && component != ".") {
      out += '/';
      out += component;
    }
    start = end + 1;
  }
  if (out.empty()) out = "/";
  return out;
}

}  // namespace vigil::text
