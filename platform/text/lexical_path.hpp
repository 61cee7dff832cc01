// Paths made absolute and tidied by their text alone, without asking the file system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vigil::text {

// Joins a relative path to the current folder, folds repeated '/', drops "."
// components and a trailing '/'. ".." is kept, since only the file system knows
// what it leads to through symbolic links. Nothing when the path is empty, holds a
// NUL byte, or the current folder cannot be read.
std::optional<std::string> AbsoluteLexicalPath(std::string_view path);

}  // namespace vigil::text
