// The desktop's file manager as the session bus offers it: the freedesktop.org
// file-manager interface, owned by whichever file manager the desktop runs.
#pragma once

#include "platform/core/base_types.h"

#include <string>
#include <vector>

namespace vigil::events {

inline constexpr char kFileManagerBusName[] = "org.freedesktop.FileManager1";

// Asks the file manager to show each item (by file URI) selected in its folder's
// window. Answers as CallOnSessionBus.
OSErr ShowItemsInFileManager(const std::vector<std::string> &uris, int timeoutMilliseconds);

}  // namespace vigil::events
