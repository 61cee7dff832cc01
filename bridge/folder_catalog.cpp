#include "bridge/folder_catalog.h"

#include "platform/core/clock.h"
#include "platform/core/result_codes.h"
#include "platform/files/aliases.h"
#include "platform/files/catalog.h"
#include "platform/files/catalog.hpp"
#include "platform/files/url_references.h"
#include "platform/text/cf_url.h"


namespace {

void PrepareBlock(SInt16 vRefNum, SInt32 dirID, StringPtr name, CInfoPBRec *catInfo) {
  catInfo->dirInfo.ioCompletion = nullptr;
  catInfo->dirInfo.ioNamePtr = name;
  catInfo->dirInfo.ioVRefNum = vRefNum;
  catInfo->dirInfo.ioFDirIndex = 0;
  catInfo->dirInfo.ioDrDirID = dirID;
}

// The catalog record of a triple, counting the folder's items only when asked:
// the dates alone do not need the folder read. A lookup by name (index 0) only
// reads the name, so the block may point at the caller's constant triple.
OSErr QuerySpec(const FSSpec *fileSpec, CInfoPBRec *catInfo, vigil::files::ItemCount count) {
  if (fileSpec == nullptr || catInfo == nullptr) return paramErr;
  PrepareBlock(fileSpec->vRefNum, fileSpec->parID, const_cast<StringPtr>(fileSpec->name), catInfo);
  return vigil::files::GetCatalogRecord(catInfo, count);
}

}  // namespace

extern "C" OSStatus NSStringPathToFSRef(CFStringRef path, FSRef *outRef) {
  if (path == nullptr || outRef == nullptr) return paramErr;
  CFURLRef url = CFURLCreateWithFileSystemPath(kCFAllocatorDefault, path, kCFURLPOSIXPathStyle, false);
  if (url == nullptr) return paramErr;
  const OSStatus result = CFURLGetFSRef(url, outRef) ? noErr : paramErr;
  CFRelease(url);
  if (result == noErr) {
    Boolean isFolder = false;
    Boolean wasAliased = false;
    FSResolveAliasFile(outRef, true, &isFolder, &wasAliased);  // an unresolvable alias stays as it is
  }
  return result;
}

extern "C" OSErr FSRefMakeFSSpec(const FSRef *ref, FSSpec *fileSpec) {
  return FSGetCatalogInfo(ref, kFSCatInfoNone, nullptr, nullptr, fileSpec, nullptr);
}

extern "C" OSErr FSGetCatInfo(SInt16 vRefNum, SInt32 dirID, StringPtr name, CInfoPBRec *catInfo) {
  if (catInfo == nullptr) return paramErr;
  PrepareBlock(vRefNum, dirID, name, catInfo);
  return PBGetCatInfoSync(catInfo);
}

extern "C" OSErr FSpGetCatInfo(const FSSpec *fileSpec, CInfoPBRec *catInfo) {
  return QuerySpec(fileSpec, catInfo, vigil::files::ItemCount::kRead);
}

extern "C" OSErr FSpCountItems(const FSSpec *fileSpec, UInt32 *count) {
  if (count == nullptr) return paramErr;
  CInfoPBRec catInfo{};
  const OSErr error = QuerySpec(fileSpec, &catInfo, vigil::files::ItemCount::kRead);
  if (error != noErr) return error;
  // The full count: the 16-bit field stops at 65535 for large folders.
  *count = catInfo.dirInfo.ioItemCount;
  return noErr;
}

extern "C" OSErr FSpGetDateSeconds(const FSSpec *fileSpec, UInt32 *created, UInt32 *modified) {
  CInfoPBRec catInfo{};
  const OSErr error = QuerySpec(fileSpec, &catInfo, vigil::files::ItemCount::kSkip);
  if (error != noErr) return error;
  if (created != nullptr) *created = catInfo.dirInfo.ioDrCrDat;
  if (modified != nullptr) *modified = catInfo.dirInfo.ioDrMdDat;
  return noErr;
}

extern "C" OSErr FSpGetDate(const FSSpec *fileSpec, DateTimeRecord *created, DateTimeRecord *modified) {
  UInt32 createdSeconds = 0;
  UInt32 modifiedSeconds = 0;
  const OSErr error = FSpGetDateSeconds(fileSpec, &createdSeconds, &modifiedSeconds);
  if (error != noErr) return error;
  if (created != nullptr) SecondsToDate(createdSeconds, created);
  if (modified != nullptr) SecondsToDate(modifiedSeconds, modified);
  return noErr;
}

extern "C" OSErr FSpGetModificationNanoseconds(const FSSpec *fileSpec, SInt64 *modified) {
  if (modified == nullptr) return paramErr;
  CInfoPBRec catInfo{};
  const OSErr error = QuerySpec(fileSpec, &catInfo, vigil::files::ItemCount::kSkip);
  if (error != noErr) return error;
  *modified = catInfo.dirInfo.ioModTimeNanoseconds;
  return noErr;
}
