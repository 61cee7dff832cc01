/* Shared libraries of the stand-in platform: a library is found by name and a
 * function in it by symbol name. The library "InterfaceLib" offers the zone
 * functions GetZone, SetZone, SystemZone and ApplicationZone. */
#ifndef VIGIL_PLATFORM_MEMORY_CODE_FRAGMENTS_H
#define VIGIL_PLATFORM_MEMORY_CODE_FRAGMENTS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct OpaqueCFragConnectionID *CFragConnectionID;
typedef OSType CFragArchitecture;
typedef UInt32 CFragLoadOptions;
typedef UInt8 CFragSymbolClass;

enum {
  kAnyCFragArch = 0x3F3F3F3F, /* '????' */
  kReferenceCFrag = 0x0001,
  kFindCFrag = 0x0002
};

enum { kCodeCFragSymbol = 0, kDataCFragSymbol = 1 };

/* Connects to the library named by the Pascal string libName (any architecture
 * and options are accepted); cfragNoLibraryErr when there is none. mainAddr
 * receives null (libraries have no main symbol) and errMessage an empty string;
 * both may be null. */
OSErr GetSharedLibrary(ConstStr63Param libName, CFragArchitecture archType, CFragLoadOptions options,
                       CFragConnectionID *connID, Ptr *mainAddr, Str255 errMessage);

/* The address of the function named by the Pascal string symName;
 * cfragNoSymbolErr when the library has none. symClass may be null. */
OSErr FindSymbol(CFragConnectionID connID, ConstStr255Param symName, Ptr *symAddr,
                 CFragSymbolClass *symClass);

#ifdef __cplusplus
}
#endif

#endif
