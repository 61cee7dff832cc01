#include "platform/files/item_locator.hpp"

#include "platform/core/result_codes.h"
#include "platform/files/file_manager_types.h"
#include "platform/files/errno_result.hpp"
#include "platform/files/folder_entries.hpp"
#include "platform/files/item_names.hpp"
#include "platform/files/item_table.hpp"
#include "platform/text/lexical_path.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace vigil::files {
namespace {

// Layout of the 80 reference bytes: a tag, the item's device and inode, and its
// slot in the item table; the rest is zero, so equal items give equal bytes.
constexpr UInt8 kRefTag[4] = {'V', 'g', 'R', '1'};
struct RefLayout {
  UInt8 tag[4];
  UInt32 slot;
  uint64_t device;
  uint64_t inode;
};
static_assert(sizeof(RefLayout) <= sizeof(FSRef));

std::string FolderOf(const std::string &canonical) {
  const size_t slash = canonical.rfind('/');
  return slash == 0 ? "/" : canonical.substr(0, slash);
}

std::string LastComponent(const std::string &canonical) {
  return canonical.substr(canonical.rfind('/') + 1);
}

std::string Join(const std::string &folder, std::string_view name) {
  std::string path = folder;
  if (path != "/") path += '/';
  path += name;
  return path;
}

bool IsVolumeRoot(const std::string &canonical, dev_t device, Volume *volume) {
  auto found = VolumeForPath(canonical, device);
  if (!found || found->mountPoint != canonical) return false;
  if (volume != nullptr) *volume = *found;
  return true;
}

}  // namespace

OSErr ResolvedPath(const std::string &path, std::string *resolved) {
  std::unique_ptr<char, decltype(&free)> real(realpath(path.c_str(), nullptr), &free);
  if (!real) return ResultFromErrno(errno);
  *resolved = real.get();
  return noErr;
}

OSErr CanonicalItemPath(std::string_view absolutePath, std::string *canonical) {
  auto lexical = text::AbsoluteLexicalPath(absolutePath);
  if (!lexical) return bdNamErr;
  if (*lexical == "/") {
    *canonical = "/";
    return noErr;
  }
  const std::string last = LastComponent(*lexical);
  if (last == "..") return ResolvedPath(*lexical, canonical);
  std::string folder;
  if (const OSErr error = ResolvedPath(FolderOf(*lexical), &folder); error != noErr) {
    if (error == fnfErr) return dirNFErr;
    return error;
  }
  *canonical = Join(folder, last);
  return noErr;
}

OSErr RefFromCanonicalPath(const std::string &canonical, const struct stat &status, FSRef *ref) {
  const auto slot = RememberItem({status.st_dev, status.st_ino}, canonical);
  if (!slot) return memFullErr;
  RefLayout layout{};
  std::memcpy(layout.tag, kRefTag, sizeof kRefTag);
  layout.slot = *slot;
  layout.device = status.st_dev;
  layout.inode = status.st_ino;
  std::memset(ref, 0, sizeof *ref);
  std::memcpy(ref->hidden, &layout, sizeof layout);
  return noErr;
}

OSErr RefFromPath(std::string_view path, FSRef *ref, struct stat *status) {
  std::string canonical;
  if (const OSErr error = CanonicalItemPath(path, &canonical); error != noErr) return error;
  struct stat itemStatus {};
  if (lstat(canonical.c_str(), &itemStatus) != 0) return ResultFromErrno(errno);
  if (status != nullptr) *status = itemStatus;
  return RefFromCanonicalPath(canonical, itemStatus, ref);
}

OSErr PathFromRef(const FSRef *ref, std::string *path, struct stat *status) {
  if (ref == nullptr) return paramErr;
  RefLayout layout;
  std::memcpy(&layout, ref->hidden, sizeof layout);
  if (std::memcmp(layout.tag, kRefTag, sizeof kRefTag) != 0) return paramErr;
  const auto record = ItemInSlot(layout.slot);
  if (!record || record->key.device != layout.device || record->key.inode != layout.inode) {
    return paramErr;
  }
  struct stat itemStatus {};
  if (lstat(record->path.c_str(), &itemStatus) != 0) return ResultFromErrno(errno);
  if (ItemKey{itemStatus.st_dev, itemStatus.st_ino} != record->key) return fnfErr;
  *path = record->path;
  if (status != nullptr) *status = itemStatus;
  return noErr;
}

OSErr FolderIDFromPath(const std::string &canonical, const struct stat &status, SInt32 *dirID) {
  if (!S_ISDIR(status.st_mode)) return dirNFErr;
  if (IsVolumeRoot(canonical, status.st_dev, nullptr)) {
    *dirID = fsRtDirID;
    return noErr;
  }
  const auto slot = RememberItem({status.st_dev, status.st_ino}, canonical);
  if (!slot) return memFullErr;
  *dirID = kFirstFolderID + static_cast<SInt32>(*slot);
  return noErr;
}

OSErr SpecFromCanonicalPath(const std::string &canonical, FSSpec *fileSpec) {
  struct stat itemStatus {};
  const bool exists = lstat(canonical.c_str(), &itemStatus) == 0;
  if (!exists && errno != ENOENT) return ResultFromErrno(errno);

  Volume volume;
  if (exists && IsVolumeRoot(canonical, itemStatus.st_dev, &volume)) {
    fileSpec->vRefNum = volume.refNum;
    fileSpec->parID = fsRtParID;
    StorePascalName(PlatformNameFromPosix(volume.name, itemStatus.st_ino), fileSpec->name,
                    sizeof fileSpec->name);
    return noErr;
  }

  const std::string folder = FolderOf(canonical);
  struct stat folderStatus {};
  if (stat(folder.c_str(), &folderStatus) != 0) return dirNFErr;
  auto folderVolume = VolumeForPath(folder, folderStatus.st_dev);
  if (!folderVolume) return nsvErr;
  SInt32 parentID = 0;
  if (const OSErr error = FolderIDFromPath(folder, folderStatus, &parentID); error != noErr) {
    return error;
  }
  fileSpec->vRefNum = folderVolume->refNum;
  fileSpec->parID = parentID;
  StorePascalName(PlatformNameFromPosix(LastComponent(canonical), exists ? itemStatus.st_ino : 0),
                  fileSpec->name, sizeof fileSpec->name);
  return exists ? noErr : fnfErr;
}

OSErr FolderPathFromID(SInt16 vRefNum, SInt32 dirID, std::string *path, Volume *volume) {
  const auto found = VolumeForRefNum(vRefNum == 0 ? -1 : vRefNum);
  if (!found) return nsvErr;
  if (volume != nullptr) *volume = *found;
  if (dirID == 0 || dirID == fsRtDirID) {
    struct stat rootStatus {};
    if (stat(found->mountPoint.c_str(), &rootStatus) != 0 || rootStatus.st_dev != found->device) {
      return nsvErr;
    }
    *path = found->mountPoint;
    return noErr;
  }
  if (dirID < kFirstFolderID) return dirNFErr;
  const auto record = ItemInSlot(static_cast<UInt32>(dirID - kFirstFolderID));
  if (!record || record->key.device != found->device) return dirNFErr;
  struct stat folderStatus {};
  if (lstat(record->path.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode) ||
      ItemKey{folderStatus.st_dev, folderStatus.st_ino} != record->key) {
    return dirNFErr;
  }
  *path = record->path;
  return noErr;
}

OSErr PathInFolder(const std::string &folder, const unsigned char *name, std::string *path,
                   struct stat *status) {
  const auto platformName = PascalBytes(name);
  const std::string posixName = PosixNameFromPlatform(platformName);
  if (posixName.find('\0') != std::string::npos || posixName == "." || posixName == "..") {
    return bdNamErr;
  }
  struct stat itemStatus {};
  std::string candidate = Join(folder, posixName);
  if (lstat(candidate.c_str(), &itemStatus) == 0) {
    *path = std::move(candidate);
    if (status != nullptr) *status = itemStatus;
    return noErr;
  }
  if (errno != ENOENT) return ResultFromErrno(errno);

  if (const auto inode = ShortenedNameInode(platformName)) {
    std::string found;
    const OSErr error = ForEachFolderEntry(folder, [&](const FolderEntry &entry) {
      if (entry.inode != *inode) return true;
      const std::string shortened = PlatformNameFromPosix(entry.name, entry.inode);
      if (shortened.size() == platformName.size() &&
          std::equal(shortened.begin(), shortened.end(), platformName.begin())) {
        found = Join(folder, entry.name);
        return false;
      }
      return true;
    });
    if (error != noErr) return error;
    if (!found.empty() && lstat(found.c_str(), &itemStatus) == 0) {
      *path = std::move(found);
      if (status != nullptr) *status = itemStatus;
      return noErr;
    }
  }
  *path = std::move(candidate);
  return fnfErr;
}

OSErr PathFromSpec(const FSSpec *fileSpec, std::string *path, struct stat *status) {
  if (fileSpec == nullptr) return paramErr;
  if (fileSpec->parID == fsRtParID) {
    const auto volume = VolumeForRefNum(fileSpec->vRefNum == 0 ? -1 : fileSpec->vRefNum);
    if (!volume) return nsvErr;
    const std::string folderName = PosixNameFromPlatform(PascalBytes(fileSpec->name));
    if (!folderName.empty() && folderName != volume->name) return nsvErr;
    *path = volume->mountPoint;
    struct stat rootStatus {};
    if (stat(path->c_str(), &rootStatus) != 0) return nsvErr;
    if (status != nullptr) *status = rootStatus;
    return noErr;
  }
  std::string folder;
  if (const OSErr error = FolderPathFromID(fileSpec->vRefNum, fileSpec->parID, &folder); error != noErr) {
    return error;
  }
  if (fileSpec->name[0] == 0) {
    *path = folder;
    if (status != nullptr && lstat(folder.c_str(), status) != 0) return ResultFromErrno(errno);
    return noErr;
  }
  return PathInFolder(folder, fileSpec->name, path, status);
}

}  // namespace vigil::files
