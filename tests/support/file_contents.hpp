// The whole contents of a file, for tests; empty when it cannot be read.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace vigil::testing {

inline std::string FileContents(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

}  // namespace vigil::testing
