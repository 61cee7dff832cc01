// The default application for a MIME type, by the freedesktop.org rules for
// associating types with applications (mimeapps.list files and the types the
// desktop entries declare).
#pragma once

#include "platform/desktop/desktop_entries.hpp"

#include <optional>
#include <string>

namespace vigil::desktop {

// The launchable entry that opens a type: the first installed application of
// the type's Default Applications in the mimeapps.list files (most important
// first: the desktop's own and the general file of the config home, the config
// dirs, then the applications folders of the data home and dirs), else the first
// of their Added Associations, else the first entry whose MimeType lists the
// type, leaving out the Removed Associations of every file read so far. When
// nothing opens the type itself, its parent types are tried in order.
std::optional<DesktopEntry> DefaultApplicationFor(const std::string &mimeType);

}  // namespace vigil::desktop
