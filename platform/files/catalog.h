/* The file manager's catalog: reading an item's catalog record and converting
 * between file references, triples and paths. */
#ifndef VIGIL_PLATFORM_FILES_CATALOG_H
#define VIGIL_PLATFORM_FILES_CATALOG_H

#include "platform/files/file_manager_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Answers the catalog record of an item, synchronously. The item is named in the
 * block by ioVRefNum, ioDirID and ioFDirIndex: 0 looks ioNamePtr up in the folder
 * (an empty or absent name names the folder itself), a positive index takes that
 * entry of the folder in name order, a negative one names the folder itself.
 * With a positive or negative index the item's name is written to ioNamePtr when
 * it is given (a Str255). */
OSErr PBGetCatInfoSync(CInfoPBPtr paramBlock);

/* The catalog information, name, triple and parent reference of an item; each
 * output may be null. */
OSErr FSGetCatalogInfo(const FSRef *ref, FSCatalogInfoBitmap whichInfo,
                       FSCatalogInfo *catalogInfo, HFSUniStr255 *outName, FSSpec *fsSpec,
                       FSRef *parentRef);

/* The reference of the item a triple names; fnfErr when it does not exist. */
OSErr FSpMakeFSRef(const FSSpec *source, FSRef *newRef);

/* The triple of an item named by volume, folder and name. The name may be a
 * partial path of the platform (':'-separated; a leading ':' is relative to the
 * folder, "::" climbs one level) or a full path starting with a volume name.
 * fnfErr when only the item is missing: the triple is then still made. */
OSErr FSMakeFSSpec(SInt16 vRefNum, SInt32 dirID, ConstStr255Param fileName, FSSpec *fileSpec);

/* The reference of the item at a POSIX path (UTF-8); isDirectory may be null. */
OSStatus FSPathMakeRef(const UInt8 *path, FSRef *ref, Boolean *isDirectory);

/* The POSIX path (UTF-8, terminated) of a referenced item, in a buffer of
 * maxPathSize bytes; -2110 (pathTooLongErr) when it does not fit. */
OSStatus FSRefMakePath(const FSRef *ref, UInt8 *path, UInt32 maxPathSize);

/* noErr when two references name the same item, diffRefErr (-1420) otherwise. */
OSErr FSCompareFSRefs(const FSRef *ref1, const FSRef *ref2);

enum {
  pathTooLongErr = -2110,
  diffRefErr = -1420
};

#ifdef __cplusplus
}
#endif

#endif
