/* Base types of the stand-in platform: the integer, string, handle and
 * file-reference types that every public header of libvigil is written in. */
#ifndef VIGIL_PLATFORM_CORE_BASE_TYPES_H
#define VIGIL_PLATFORM_CORE_BASE_TYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef uint8_t UInt8;
typedef int8_t SInt8;
typedef uint16_t UInt16;
typedef int16_t SInt16;
typedef uint32_t UInt32;
typedef int32_t SInt32;
typedef uint64_t UInt64;
typedef int64_t SInt64;
typedef float Float32;
typedef double Float64;

/* A boolean is one byte, 0 for false and anything else for true. */
typedef unsigned char Boolean;

/* Result codes: 0 is success, negative values name errors. */
typedef SInt16 OSErr;
typedef SInt32 OSStatus;

/* Memory: a pointer block and a handle, which is a pointer to a master pointer. */
typedef char *Ptr;
typedef Ptr *Handle;
typedef long Size;

/* Four ASCII characters packed big-endian into 32 bits ('MACS' == 0x4D414353). */
typedef UInt32 FourCharCode;
typedef FourCharCode OSType;
typedef FourCharCode ResType;
typedef FourCharCode DescType;

/* Pascal strings: a length byte followed by that many bytes, no terminator. */
typedef unsigned char Str255[256];
typedef unsigned char Str63[64];
typedef unsigned char Str32[33];
typedef unsigned char Str31[32];
typedef unsigned char Str27[28];
typedef unsigned char Str15[16];
typedef unsigned char *StringPtr;
typedef StringPtr *StringHandle;
typedef const unsigned char *ConstStringPtr;
typedef const unsigned char *ConstStr255Param;
typedef const unsigned char *ConstStr63Param;
typedef const unsigned char *ConstStr31Param;

/* One UTF-16 code unit, in the machine's byte order. */
typedef UInt16 UniChar;
typedef UInt32 UniCharCount;

/* A point and a rectangle in 16-bit coordinates (v is vertical, h horizontal). */
typedef struct Point {
  SInt16 v;
  SInt16 h;
} Point;
typedef struct Rect {
  SInt16 top;
  SInt16 left;
  SInt16 bottom;
  SInt16 right;
} Rect;

/* Counts of seconds since 1904-01-01 00:00:00 local time. */
typedef UInt32 ClockCount;

/* The broken-down local date-time record: seven signed 16-bit fields. */
typedef struct DateTimeRec {
  SInt16 year;      /* full year, e.g. 2004 */
  SInt16 month;     /* 1 to 12 */
  SInt16 day;       /* 1 to 31 */
  SInt16 hour;      /* 0 to 23 */
  SInt16 minute;    /* 0 to 59 */
  SInt16 second;    /* 0 to 59 */
  SInt16 dayOfWeek; /* 1 = Sunday to 7 = Saturday */
} DateTimeRec;
typedef DateTimeRec DateTimeRecord;

/* An opaque reference to one existing item of the file system. Equal bytes name
 * the same item, so references can be compared and hashed bytewise. */
typedef struct FSRef {
  UInt8 hidden[80];
} FSRef;
typedef FSRef *FSRefPtr;

/* An item named by volume, parent folder and name, packed with 2-byte alignment
 * as the platform laid it out: 70 bytes with no gaps. */
#pragma pack(push, 2)
typedef struct FSSpec {
  SInt16 vRefNum; /* volume reference number */
  SInt32 parID;   /* directory ID of the parent folder */
  Str63 name;     /* Mac OS Roman Pascal string, at most 63 bytes */
} FSSpec;
#pragma pack(pop)
typedef FSSpec *FSSpecPtr;

#ifdef __cplusplus
}
#endif

#endif
