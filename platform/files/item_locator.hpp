// The mapping between POSIX paths and the platform's ways of naming an item:
// file references (FSRef), volume/parent/name triples (FSSpec) and directory IDs.
#pragma once

#include "platform/core/base_types.h"
#include "platform/files/volume_table.hpp"

#include <sys/stat.h>

#include <string>
#include <string_view>

namespace vigil::files {

// The canonical form of an absolute path: its folder with every symbolic link
// and ".." resolved, followed by its own last component, which is left as it is
// so that a link names itself. Fails with the file system's error when the
// folder cannot be resolved.
OSErr CanonicalItemPath(std::string_view absolutePath, std::string *canonical);

// The fully resolved path of an existing item, its own symbolic link included.
OSErr ResolvedPath(const std::string &path, std::string *resolved);

// A reference to the item at a path (made absolute from the current folder and
// canonical); the item itself is not followed when it is a symbolic link.
OSErr RefFromPath(std::string_view path, FSRef *ref, struct stat *status = nullptr);

// A reference to an item at a canonical path whose lstat status is known.
OSErr RefFromCanonicalPath(const std::string &canonical, const struct stat &status, FSRef *ref);

// The path of a referenced item, checked to be the same item still.
OSErr PathFromRef(const FSRef *ref, std::string *path, struct stat *status = nullptr);

// The triple of the item at a canonical path. The item need not exist: then the
// triple is still made from its folder and the answer is fnfErr.
OSErr SpecFromCanonicalPath(const std::string &canonical, FSSpec *fileSpec);

// The path a triple names. noErr when the item exists, fnfErr when only its
// folder does (the path is still set), or the error that stopped the lookup.
OSErr PathFromSpec(const FSSpec *fileSpec, std::string *path, struct stat *status = nullptr);

// The path of a folder named by volume and directory ID (0 and 2 name the root).
OSErr FolderPathFromID(SInt16 vRefNum, SInt32 dirID, std::string *path, Volume *volume = nullptr);

// The directory ID of an existing folder.
OSErr FolderIDFromPath(const std::string &canonical, const struct stat &status, SInt32 *dirID);

// The path of the named item in a folder: the name as a Pascal string of the
// platform's character set, or a shortened unique name. Answers as PathFromSpec.
OSErr PathInFolder(const std::string &folder, const unsigned char *name, std::string *path,
                   struct stat *status);

}  // namespace vigil::files
