// Catalog records for the library's own routines, which may skip the item count
// when they do not need it: counting reads the whole folder.
#pragma once

#include "platform/files/file_manager_types.h"

#include <ctime>

namespace vigil::files {

enum class ItemCount { kRead, kSkip };

// PBGetCatInfoSync, with the folder's entries counted or not (ioDrNmFls and
// ioItemCount are 0 when skipped).
OSErr GetCatalogRecord(CInfoPBRec *paramBlock, ItemCount count);

// Seconds since 1904-01-01 00:00 UTC with a 16-bit fraction.
UTCDateTime UTCDateTimeFromTimespec(const timespec &when);

}  // namespace vigil::files
