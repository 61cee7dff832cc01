#include "platform/files/catalog.h"

#include "platform/core/clock_count.hpp"
#include "platform/core/result_codes.h"
#include "platform/files/catalog.hpp"
#include "platform/files/errno_result.hpp"
#include "platform/files/folder_entries.hpp"
#include "platform/files/item_locator.hpp"
#include "platform/files/item_names.hpp"
#include "platform/files/item_status.hpp"
#include "platform/text/mac_roman.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

namespace vigil::files {
namespace {

SInt32 ClampToSInt32(uint64_t value) {
  return static_cast<SInt32>(std::min<uint64_t>(value, std::numeric_limits<SInt32>::max()));
}

std::string LastComponent(const std::string &path) {
  return path == "/" ? path : path.substr(path.rfind('/') + 1);
}

// The folder's entry at a 1-based index in name order.
OSErr EntryAtIndex(const std::string &folder, int index, std::string *name) {
  std::vector<std::string> names;
  const OSErr error = ForEachFolderEntry(folder, [&names](const FolderEntry &entry) {
    names.emplace_back(entry.name);
    return true;
  });
  if (error != noErr) return error;
  if (index > static_cast<int>(names.size())) return fnfErr;
  std::nth_element(names.begin(), names.begin() + (index - 1), names.end());
  *name = names[index - 1];
  return noErr;
}

// Finds the item a parameter block names: its path and lstat status.
OSErr LocateItem(CInfoPBRec *block, std::string *path, struct stat *status, bool *nameOut) {
  DirInfo &info = block->dirInfo;
  std::string folder;
  if (const OSErr error = FolderPathFromID(info.ioVRefNum, info.ioDrDirID, &folder);
      error != noErr) {
    return error;
  }
  *nameOut = info.ioFDirIndex != 0;
  if (info.ioFDirIndex < 0 ||
      (info.ioFDirIndex == 0 && (info.ioNamePtr == nullptr || info.ioNamePtr[0] == 0))) {
    *path = folder;
    return ItemStatus(folder, status);
  }
  if (info.ioFDirIndex > 0) {
    std::string name;
    if (const OSErr error = EntryAtIndex(folder, info.ioFDirIndex, &name); error != noErr) {
      return error;
    }
    *path = folder == "/" ? "/" + name : folder + "/" + name;
    return ItemStatus(*path, status);
  }
  return PathInFolder(folder, info.ioNamePtr, path, status);
}

}  // namespace

UTCDateTime UTCDateTimeFromTimespec(const timespec &when) {
  const int64_t seconds = std::max<int64_t>(0, when.tv_sec + kSecondsFrom1904To1970);
  UTCDateTime out{};
  out.highSeconds = static_cast<UInt16>(seconds >> 32);
  out.lowSeconds = static_cast<UInt32>(seconds);
  out.fraction = static_cast<UInt16>((static_cast<uint64_t>(when.tv_nsec) << 16) / 1'000'000'000);
  return out;
}

OSErr GetCatalogRecord(CInfoPBRec *block, ItemCount count) {
  if (block == nullptr) return paramErr;
  std::string path;
  struct stat status {};
  bool nameOut = false;
  OSErr result = LocateItem(block, &path, &status, &nameOut);

  FSSpec fileSpec{};
  if (result == noErr) result = SpecFromCanonicalPath(path, &fileSpec);
  UInt32 entries = 0;
  if (result == noErr && S_ISDIR(status.st_mode) && count == ItemCount::kRead) {
    result = CountFolderEntries(path, &entries);
  }
  block->dirInfo.ioResult = result;
  if (result != noErr) return result;

  if (nameOut && block->dirInfo.ioNamePtr != nullptr) {
    std::memcpy(block->dirInfo.ioNamePtr, fileSpec.name, fileSpec.name[0] + 1u);
  }
  const UInt32 created = ClockCountFromUnix(CreationTime(path, status).tv_sec);
  const UInt32 modified = ClockCountFromUnix(status.st_mtim.tv_sec);
  const UInt16 finderFlags = ImpliedFinderFlags(LastComponent(path), status);
  SInt8 attributes = IsLocked(status) ? kioFlAttribLockedMask : 0;

  if (S_ISDIR(status.st_mode)) {
    DirInfo &info = block->dirInfo;
    attributes |= kioFlAttribDirMask;
    SInt32 dirID = 0;
    if (const OSErr error = FolderIDFromPath(path, status, &dirID); error != noErr) {
      info.ioResult = error;
      return error;
    }
    std::memset(&info.ioDrUsrWds, 0, sizeof info.ioDrUsrWds);
    std::memset(&info.ioDrFndrInfo, 0, sizeof info.ioDrFndrInfo);
    info.ioDrUsrWds.frFlags = finderFlags;
    info.ioDrDirID = dirID;
    // A 16-bit count cannot hold a large folder's size: it stops at its maximum,
    // and the full count travels in ioItemCount.
    info.ioDrNmFls = static_cast<UInt16>(std::min<UInt32>(entries, 0xFFFF));
    info.ioItemCount = entries;
    info.ioDrCrDat = created;
    info.ioDrMdDat = modified;
    info.ioDrBkDat = 0;
    info.ioDrParID = fileSpec.parID;
  } else {
    HFileInfo &info = block->hFileInfo;
    std::memset(&info.ioFlFndrInfo, 0, sizeof info.ioFlFndrInfo);
    std::memset(&info.ioFlXFndrInfo, 0, sizeof info.ioFlXFndrInfo);
    info.ioFlFndrInfo.fdFlags = finderFlags;
    info.ioDirID = static_cast<SInt32>(static_cast<UInt32>(status.st_ino));
    info.ioFlStBlk = 0;
    info.ioFlLgLen = ClampToSInt32(static_cast<uint64_t>(status.st_size));
    info.ioFlPyLen = ClampToSInt32(static_cast<uint64_t>(status.st_blocks) * 512);
    info.ioFlRStBlk = 0;
    info.ioFlRLgLen = 0;
    info.ioFlRPyLen = 0;
    info.ioFlCrDat = created;
    info.ioFlMdDat = modified;
    info.ioFlBkDat = 0;
    info.ioFlParID = fileSpec.parID;
    info.ioFlClpSiz = 0;
    info.ioItemCount = 0;
  }
  block->dirInfo.ioFlAttrib = attributes;
  block->dirInfo.ioModTimeNanoseconds = Nanoseconds(status.st_mtim);
  return noErr;
}

}  // namespace vigil::files

using namespace vigil::files;

extern "C" OSErr PBGetCatInfoSync(CInfoPBPtr paramBlock) {
  return GetCatalogRecord(paramBlock, ItemCount::kRead);
}

extern "C" OSErr FSGetCatalogInfo(const FSRef *ref, FSCatalogInfoBitmap whichInfo,
                                  FSCatalogInfo *catalogInfo, HFSUniStr255 *outName,
                                  FSSpec *fsSpec, FSRef *parentRef) {
  std::string path;
  struct stat status {};
  if (const OSErr error = PathFromRef(ref, &path, &status); error != noErr) return error;

  FSSpec fileSpec{};
  if (const OSErr error = SpecFromCanonicalPath(path, &fileSpec); error != noErr) return error;
  if (fsSpec != nullptr) *fsSpec = fileSpec;

  if (outName != nullptr) {
    std::string name = LastComponent(path);
    if (fileSpec.parID == fsRtParID) name = vigil::text::MacRomanToUtf8(PascalBytes(fileSpec.name));
    const auto utf16 = vigil::text::Utf8ToUtf16(name).value_or(std::u16string());
    outName->length = static_cast<UInt16>(std::min<size_t>(utf16.size(), 255));
    std::copy_n(utf16.begin(), outName->length, outName->unicode);
  }

  if (parentRef != nullptr) {
    if (fileSpec.parID == fsRtParID) {
      std::memset(parentRef, 0, sizeof *parentRef);  // a volume's root has no parent
    } else if (const OSErr error = RefFromPath(path.substr(0, std::max<size_t>(1, path.rfind('/'))),
                                               parentRef);
               error != noErr) {
      return error;
    }
  }

  if (catalogInfo == nullptr || whichInfo == kFSCatInfoNone) return noErr;
  FSCatalogInfo info{};
  const bool isFolder = S_ISDIR(status.st_mode);
  info.nodeFlags = static_cast<UInt16>((isFolder ? kFSNodeIsDirectoryMask : 0) |
                                       (IsLocked(status) ? kFSNodeLockedMask : 0));
  info.volume = fileSpec.vRefNum;
  info.parentDirID = static_cast<UInt32>(fileSpec.parID);
  if (isFolder) {
    SInt32 dirID = 0;
    if (const OSErr error = FolderIDFromPath(path, status, &dirID); error != noErr) return error;
    info.nodeID = static_cast<UInt32>(dirID);
  } else {
    info.nodeID = static_cast<UInt32>(status.st_ino);
  }
  info.createDate = UTCDateTimeFromTimespec(CreationTime(path, status));
  info.contentModDate = UTCDateTimeFromTimespec(status.st_mtim);
  info.attributeModDate = UTCDateTimeFromTimespec(status.st_ctim);
  info.accessDate = UTCDateTimeFromTimespec(status.st_atim);
  info.permissions[0] = status.st_uid;
  info.permissions[1] = status.st_gid;
  info.permissions[2] = status.st_mode;
  const UInt16 finderFlags = ImpliedFinderFlags(LastComponent(path), status);
  // Finder flags sit at bytes 8-9 of both the file and the folder form.
  std::memcpy(info.finderInfo + 8, &finderFlags, sizeof finderFlags);
  if (isFolder && (whichInfo & kFSCatInfoValence) != 0) {
    if (const OSErr error = CountFolderEntries(path, &info.valence); error != noErr) return error;
  }
  if (!isFolder) {
    info.dataLogicalSize = static_cast<UInt64>(status.st_size);
    info.dataPhysicalSize = static_cast<UInt64>(status.st_blocks) * 512;
  }
  *catalogInfo = info;
  return noErr;
}

extern "C" OSErr FSpMakeFSRef(const FSSpec *source, FSRef *newRef) {
  if (source == nullptr || newRef == nullptr) return paramErr;
  std::string path;
  struct stat status {};
  if (const OSErr error = PathFromSpec(source, &path, &status); error != noErr) return error;
  return RefFromCanonicalPath(path, status, newRef);
}

extern "C" OSStatus FSPathMakeRef(const UInt8 *path, FSRef *ref, Boolean *isDirectory) {
  if (path == nullptr || ref == nullptr) return paramErr;
  struct stat status {};
  const OSErr error = RefFromPath(reinterpret_cast<const char *>(path), ref, &status);
  if (error == noErr && isDirectory != nullptr) *isDirectory = S_ISDIR(status.st_mode);
  return error;
}

extern "C" OSStatus FSRefMakePath(const FSRef *ref, UInt8 *path, UInt32 maxPathSize) {
  if (path == nullptr || maxPathSize == 0) return paramErr;
  std::string found;
  if (const OSErr error = PathFromRef(ref, &found); error != noErr) return error;
  if (found.size() >= maxPathSize) return pathTooLongErr;
  std::memcpy(path, found.c_str(), found.size() + 1);
  return noErr;
}

extern "C" OSErr FSCompareFSRefs(const FSRef *ref1, const FSRef *ref2) {
  if (ref1 == nullptr || ref2 == nullptr) return paramErr;
  std::string path1, path2;
  if (const OSErr error = PathFromRef(ref1, &path1); error != noErr) return error;
  if (const OSErr error = PathFromRef(ref2, &path2); error != noErr) return error;
  if (std::memcmp(ref1, ref2, sizeof *ref1) != 0) return diffRefErr;
  return noErr;
}
