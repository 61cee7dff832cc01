// Whether an item exists at a POSIX path, following symbolic links.
#pragma once

#include <string_view>

namespace vigil::desktop {

// True when something exists at the path; isDirectory (may be null) tells
// whether it is a folder. An empty path names nothing.
bool FileExistsAtPath(std::string_view path, bool *isDirectory);

}  // namespace vigil::desktop
