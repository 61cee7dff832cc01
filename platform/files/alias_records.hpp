// Finding the item that an alias record names.
#pragma once

#include "platform/core/base_types.h"

#include <sys/stat.h>

#include <span>
#include <string>

namespace vigil::files {

// The canonical path and status of the item a record names: the item with the
// recorded identity at the absolute path, else at the path relative to
// originFolder (when not null), else an item of the recorded kind at either,
// in that order. changed (may be null) is set when the first choice failed.
// fnfErr when nothing fits, paramErr for a damaged record.
OSErr ResolveAliasRecord(std::span<const UInt8> record, const std::string *originFolder,
                         std::string *path, struct stat *status, bool *changed);

}  // namespace vigil::files
