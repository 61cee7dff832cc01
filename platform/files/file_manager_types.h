/* Types of the file manager: Finder information, catalog parameter blocks and
 * catalog information records. */
#ifndef VIGIL_PLATFORM_FILES_FILE_MANAGER_TYPES_H
#define VIGIL_PLATFORM_FILES_FILE_MANAGER_TYPES_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

enum {
  fsRtParID = 1, /* the parent ID of every volume's root folder */
  fsRtDirID = 2  /* the directory ID of every volume's root folder */
};

/* ioFlAttrib bits */
enum {
  kioFlAttribLockedMask = 0x01,
  kioFlAttribResOpenMask = 0x04,
  kioFlAttribDataOpenMask = 0x08,
  kioFlAttribDirMask = 0x10,
  ioDirMask = 0x10
};

/* Finder flags */
enum {
  kIsOnDesk = 0x0001,
  kColor = 0x000E,
  kIsShared = 0x0040,
  kHasNoINITs = 0x0080,
  kHasBeenInited = 0x0100,
  kHasCustomIcon = 0x0400,
  kIsStationery = 0x0800,
  kNameLocked = 0x1000,
  kHasBundle = 0x2000,
  kIsInvisible = 0x4000,
  kIsAlias = 0x8000
};

typedef struct FInfo {
  OSType fdType;
  OSType fdCreator;
  UInt16 fdFlags;
  Point fdLocation;
  SInt16 fdFldr;
} FInfo;

typedef struct FXInfo {
  SInt16 fdIconID;
  SInt16 fdReserved[3];
  SInt8 fdScript;
  SInt8 fdXFlags;
  SInt16 fdComment;
  SInt32 fdPutAway;
} FXInfo;

typedef struct DInfo {
  Rect frRect;
  UInt16 frFlags;
  Point frLocation;
  SInt16 frView;
} DInfo;

typedef struct DXInfo {
  Point frScroll;
  SInt32 frOpenChain;
  SInt8 frScript;
  SInt8 frXFlags;
  SInt16 frComment;
  SInt32 frPutAway;
} DXInfo;

/* The catalog parameter block, in its file and folder views. The fields after
 * ioFlClpSiz / ioDrParID are this platform's additions, the same in both views:
 * the full 32-bit item count of a folder (ioDrNmFls stops at 65535) and the
 * modification time at the file system's full resolution. */
#pragma pack(push, 2)
#define VIGIL_CATALOG_PB_HEADER                                                     \
  void *qLink;                                                                       \
  SInt16 qType;                                                                      \
  SInt16 ioTrap;                                                                     \
  Ptr ioCmdAddr;                                                                     \
  void *ioCompletion;                                                                \
  volatile OSErr ioResult;                                                           \
  StringPtr ioNamePtr;                                                               \
  SInt16 ioVRefNum;                                                                  \
  SInt16 ioFRefNum;                                                                  \
  SInt8 ioFVersNum;                                                                  \
  SInt8 filler1;                                                                     \
  SInt16 ioFDirIndex;                                                                \
  SInt8 ioFlAttrib;                                                                  \
  SInt8 ioACUser;

#define VIGIL_CATALOG_PB_EXTENSION                                                   \
  UInt32 ioItemCount;          /* folders: items directly inside, not limited */     \
  SInt64 ioModTimeNanoseconds; /* modification time, nanoseconds since 1970 UTC */

typedef struct HFileInfo {
  VIGIL_CATALOG_PB_HEADER
  FInfo ioFlFndrInfo;
  SInt32 ioDirID;
  UInt16 ioFlStBlk;
  SInt32 ioFlLgLen;
  SInt32 ioFlPyLen;
  UInt16 ioFlRStBlk;
  SInt32 ioFlRLgLen;
  SInt32 ioFlRPyLen;
  UInt32 ioFlCrDat;
  UInt32 ioFlMdDat;
  UInt32 ioFlBkDat;
  FXInfo ioFlXFndrInfo;
  SInt32 ioFlParID;
  SInt32 ioFlClpSiz;
  VIGIL_CATALOG_PB_EXTENSION
} HFileInfo;

typedef struct DirInfo {
  VIGIL_CATALOG_PB_HEADER
  DInfo ioDrUsrWds;
  SInt32 ioDrDirID;
  UInt16 ioDrNmFls;
  SInt16 filler3[9];
  UInt32 ioDrCrDat;
  UInt32 ioDrMdDat;
  UInt32 ioDrBkDat;
  DXInfo ioDrFndrInfo;
  SInt32 ioDrParID;
  SInt32 filler4;
  VIGIL_CATALOG_PB_EXTENSION
} DirInfo;

typedef union CInfoPBRec {
  HFileInfo hFileInfo;
  DirInfo dirInfo;
} CInfoPBRec;
typedef CInfoPBRec *CInfoPBPtr;
#pragma pack(pop)

/* Seconds since 1904-01-01 00:00 UTC with a 16-bit fraction. */
#pragma pack(push, 2)
typedef struct UTCDateTime {
  UInt16 highSeconds;
  UInt32 lowSeconds;
  UInt16 fraction;
} UTCDateTime;
#pragma pack(pop)

typedef struct HFSUniStr255 {
  UInt16 length;
  UniChar unicode[255];
} HFSUniStr255;

typedef UInt32 FSCatalogInfoBitmap;
enum {
  kFSCatInfoNone = 0x00000000,
  kFSCatInfoTextEncoding = 0x00000001,
  kFSCatInfoNodeFlags = 0x00000002,
  kFSCatInfoVolume = 0x00000004,
  kFSCatInfoParentDirID = 0x00000008,
  kFSCatInfoNodeID = 0x00000010,
  kFSCatInfoCreateDate = 0x00000020,
  kFSCatInfoContentMod = 0x00000040,
  kFSCatInfoAttrMod = 0x00000080,
  kFSCatInfoAccessDate = 0x00000100,
  kFSCatInfoBackupDate = 0x00000200,
  kFSCatInfoPermissions = 0x00000400,
  kFSCatInfoFinderInfo = 0x00000800,
  kFSCatInfoFinderXInfo = 0x00001000,
  kFSCatInfoValence = 0x00002000,
  kFSCatInfoDataSizes = 0x00004000,
  kFSCatInfoRsrcSizes = 0x00008000,
  kFSCatInfoSharingFlags = 0x00010000,
  kFSCatInfoUserPrivs = 0x00020000
};

/* nodeFlags bits */
enum {
  kFSNodeLockedMask = 0x0001,
  kFSNodeIsDirectoryMask = 0x0010
};

typedef struct FSCatalogInfo {
  UInt16 nodeFlags;
  SInt16 volume;
  UInt32 parentDirID;
  UInt32 nodeID; /* folders: their directory ID; files: their inode, truncated */
  UInt8 sharingFlags;
  UInt8 userPrivileges;
  UInt8 reserved1;
  UInt8 reserved2;
  UTCDateTime createDate;
  UTCDateTime contentModDate;
  UTCDateTime attributeModDate;
  UTCDateTime accessDate;
  UTCDateTime backupDate;
  UInt32 permissions[4]; /* owner ID, group ID, mode, unused */
  UInt8 finderInfo[16];
  UInt8 extFinderInfo[16];
  UInt64 dataLogicalSize;
  UInt64 dataPhysicalSize;
  UInt64 rsrcLogicalSize;
  UInt64 rsrcPhysicalSize;
  UInt32 valence;
  UInt32 textEncodingHint;
} FSCatalogInfo;

#ifdef __cplusplus
}
#endif

#endif
