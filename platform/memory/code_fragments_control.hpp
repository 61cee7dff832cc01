// Lets tests take a symbol out of a stand-in shared library and put it back, to
// reach the paths of callers that find a function missing.
#pragma once

#include <string_view>

namespace vigil::platform {

void SetSharedLibrarySymbolHidden(std::string_view library, std::string_view symbol, bool hidden);

}  // namespace vigil::platform
