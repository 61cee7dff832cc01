/* Naming a folder and reading its catalog record: a POSIX path to a file
 * reference, a reference to its triple, and the item count and dates of a folder. */
#ifndef VIGIL_BRIDGE_FOLDER_CATALOG_H
#define VIGIL_BRIDGE_FOLDER_CATALOG_H

#include "platform/files/file_manager_types.h"
#include "platform/text/cf_string.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The reference of the item at a POSIX path; an alias file (or symbolic link)
 * at the path is replaced by its target. 0, or -50 for a missing argument or a
 * path that names nothing. */
OSStatus NSStringPathToFSRef(CFStringRef path, FSRef *outRef);

/* The triple of a referenced item. */
OSErr FSRefMakeFSSpec(const FSRef *ref, FSSpec *fileSpec);

/* The catalog record of the item named by volume, folder and name. */
OSErr FSGetCatInfo(SInt16 vRefNum, SInt32 dirID, StringPtr name, CInfoPBRec *catInfo);
OSErr FSpGetCatInfo(const FSSpec *fileSpec, CInfoPBRec *catInfo);

/* The number of items directly in a folder (hidden ones included). Written only
 * on success. */
OSErr FSpCountItems(const FSSpec *fileSpec, UInt32 *count);

/* A folder's creation and modification dates, seconds since 1904 in local time;
 * each output may be null and is written only on success. */
OSErr FSpGetDateSeconds(const FSSpec *fileSpec, UInt32 *created, UInt32 *modified);

/* The same dates as broken-down records. */
OSErr FSpGetDate(const FSSpec *fileSpec, DateTimeRecord *created, DateTimeRecord *modified);

/* The modification time at the file system's full resolution (nanoseconds since
 * 1970 UTC), for telling apart two changes within the same second. Written only
 * on success. */
OSErr FSpGetModificationNanoseconds(const FSSpec *fileSpec, SInt64 *modified);

#ifdef __cplusplus
}
#endif

#endif
