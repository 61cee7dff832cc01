// File URIs of paths, as desktop services exchange them.
#pragma once

#include <string>
#include <string_view>

namespace vigil::files {

// "file://" and the absolute path with every byte percent-encoded except the
// unreserved characters of RFC 3986 and '/'.
std::string FileUriFromPath(std::string_view absolutePath);

}  // namespace vigil::files
