/* Alias records: a relocatable block that names an item so that it can be found
 * again after it, or the file that refers to it, has moved. */
#ifndef VIGIL_PLATFORM_FILES_ALIAS_RECORDS_H
#define VIGIL_PLATFORM_FILES_ALIAS_RECORDS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The record's first fields, which callers may read and userType set; the rest
 * of the record is private to the file manager. */
typedef struct AliasRecord {
  OSType userType;          /* the caller's own type; 0 when made */
  unsigned short aliasSize; /* size of the whole record in bytes */
} AliasRecord;
typedef AliasRecord *AliasPtr;
typedef AliasPtr *AliasHandle;

/* Makes a new alias record of the item target. When fromFile is given, the
 * record also holds the target's path relative to the folder of fromFile, so
 * that the pair can move together. paramErr for a null argument or a reference
 * that is not this file manager's, fnfErr when the item is gone, memFullErr when
 * no handle can be had. */
OSErr FSNewAlias(const FSRef *fromFile, const FSRef *target, AliasHandle *inAlias);

/* Finds the item an alias record names: by its absolute path, then by its path
 * relative to the folder of fromFile (when given), accepting only an item of
 * the recorded kind. wasChanged (may be null) receives true when the item was
 * not found as recorded (moved, or replaced by another item of the same name).
 * fnfErr when nothing fits, paramErr for a damaged record. */
OSErr FSResolveAlias(const FSRef *fromFile, AliasHandle alias, FSRef *target,
                     Boolean *wasChanged);

#ifdef __cplusplus
}
#endif

#endif
