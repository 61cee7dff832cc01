// Reading a folder's entries straight from the kernel in large batches, without
// a status call per entry. Companion files ("._NAME") belong to their items and
// are never entries of their own; "." and ".." are not entries either.
#pragma once

#include "platform/core/base_types.h"

#include <sys/types.h>

#include <string>
#include <string_view>

namespace vigil::files {

struct FolderEntry {
  std::string_view name;
  ino_t inode;
  unsigned char type;  // DT_DIR, DT_REG, DT_LNK..., or DT_UNKNOWN
};

// Whether a name is an AppleDouble companion of another item.
inline bool IsCompanionName(std::string_view name) { return name.starts_with("._"); }

// Calls visit(entry) for each entry until it answers false. Answers the file
// system's error for a folder that cannot be read, else noErr.
template <typename Visit>
OSErr ForEachFolderEntry(const std::string &folderPath, Visit &&visit);

// The number of entries directly in a folder.
OSErr CountFolderEntries(const std::string &folderPath, UInt32 *count);

namespace detail {

// An open folder read in batches through getdents64.
class FolderReader {
 public:
  explicit FolderReader(const std::string &folderPath);
  ~FolderReader();
  FolderReader(const FolderReader &) = delete;
  FolderReader &operator=(const FolderReader &) = delete;

  OSErr error() const { return error_; }
  // The next raw entry ("." and companions included); false at the end or on error.
  bool Next(FolderEntry &entry);

 private:
  int fd_ = -1;
  OSErr error_ = 0;
  char *buffer_;
  size_t filled_ = 0;
  size_t offset_ = 0;
};

inline bool IsEntry(std::string_view name) {
  if (name.empty() || name[0] != '.') return true;
  return !(name.size() == 1 || (name.size() == 2 && name[1] == '.') || name[1] == '_');
}

}  // namespace detail

template <typename Visit>
OSErr ForEachFolderEntry(const std::string &folderPath, Visit &&visit) {
  detail::FolderReader reader(folderPath);
  FolderEntry entry{};
  while (reader.Next(entry)) {
    if (detail::IsEntry(entry.name) && !visit(entry)) break;
  }
  return reader.error();
}

}  // namespace vigil::files
