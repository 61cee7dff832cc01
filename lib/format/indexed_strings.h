/* Formats fetched by number from string lists (the resources of the program),
 * printed with the C library's printf family.
 *
 * The lookup of a string list entry is installed by the resource layer with
 * SetIndexedStringLookup. Until one is installed, GetIndStringFormatted and
 * GetIndCStringFormatted return -6727 (not found) and leave an empty string in
 * dst; GetIndCString leaves an empty string. An entry the installed lookup
 * cannot find comes back as an empty string, which prints as empty. */
#ifndef VIGIL_LIB_FORMAT_INDEXED_STRINGS_H
#define VIGIL_LIB_FORMAT_INDEXED_STRINGS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Fetches string number index (from 1) of string list listID into outString;
 * returns 0 or an error, outString then being undefined. */
typedef OSErr (*IndexedStringLookup)(SInt16 listID, SInt16 index, StringPtr outString);

/* Installs the lookup (null removes it); returns the one installed before. */
IndexedStringLookup SetIndexedStringLookup(IndexedStringLookup lookup);

/* Prints into Pascal string dst (at most 255 characters); returns the length. */
SInt32 GetIndStringFormatted(SInt16 listID, SInt16 index, StringPtr dst, ...);
/* The entry as a C string in dst (256 bytes suffice); returns dst. */
char *GetIndCString(SInt16 listID, SInt16 index, char *dst);
/* Prints into C string dst, which the caller sizes; returns vsprintf's result. */
SInt32 GetIndCStringFormatted(SInt16 listID, SInt16 index, char *dst, ...);

#ifdef __cplusplus
}
#endif

#endif
