// MIME types of files from the freedesktop.org shared MIME database (the
// globs2 and subclasses files under each data folder's mime/).
#pragma once

#include <string>
#include <vector>

namespace vigil::desktop {

// The MIME type of an existing item: inode/directory for a folder; else the
// best glob pattern of the database for its name (a literal name first, then
// the highest weight, then the longest pattern); else, by its first bytes,
// text/plain for text and application/octet-stream for anything else.
std::string MimeTypeOfFile(const std::string &path);

// The types a type is a kind of, nearest first: those of the database's
// subclasses files, and text/plain for every other text/ type.
std::vector<std::string> MimeTypeParents(const std::string &type);

}  // namespace vigil::desktop
