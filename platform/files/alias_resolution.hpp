// Following alias files, and symbolic links like them, to what they stand for.
#pragma once

#include "platform/core/base_types.h"

#include <sys/stat.h>

#include <string>

namespace vigil::files {

// Chains longer than this are taken for loops.
inline constexpr int kMaxAliasChain = 16;

// Resolves the item at a canonical path: one step, or the whole chain. Answers
// the target's canonical path and status; fnfErr when the item or a target is
// missing or the chain does not end.
OSErr ResolveAliasPath(const std::string &canonical, bool resolveChains, std::string *target,
                       struct stat *targetStatus, bool *wasAliased);

}  // namespace vigil::files
