/* Resolving alias files: an item that stands for another item. Symbolic links
 * are resolved as alias files. */
#ifndef VIGIL_PLATFORM_FILES_ALIASES_H
#define VIGIL_PLATFORM_FILES_ALIASES_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
  kResolveAliasFileNoUI = 0x00000001 /* mount flag: never ask the user */
};

/* When the item is an alias file, rewrites the triple to its target (the final
 * target of a chain when resolveAliasChains is set); other items are left as
 * they are. Answers noErr when the item and its target exist. targetIsFolder and
 * wasAliased receive what was found. No volume ever needs mounting here, so the
 * mount flags change nothing. */
OSErr ResolveAliasFileWithMountFlags(FSSpec *theSpec, Boolean resolveAliasChains,
                                     Boolean *targetIsFolder, Boolean *wasAliased,
                                     unsigned long mountFlags);
OSErr ResolveAliasFile(FSSpec *theSpec, Boolean resolveAliasChains, Boolean *targetIsFolder,
                       Boolean *wasAliased);

/* The same for a file reference. */
OSErr FSResolveAliasFileWithMountFlags(FSRef *theRef, Boolean resolveAliasChains,
                                       Boolean *targetIsFolder, Boolean *wasAliased,
                                       unsigned long mountFlags);
OSErr FSResolveAliasFile(FSRef *theRef, Boolean resolveAliasChains, Boolean *targetIsFolder,
                         Boolean *wasAliased);

#ifdef __cplusplus
}
#endif

#endif
