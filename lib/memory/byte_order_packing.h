/* Records packed in either byte order by a format of letters (unrelated to the
 * letters of packing.h). Arguments in order; PackData / UnpackData:
 *   'b' 'h' 'H' 't' 'T' 'w' 'W'  value / pointer: 1, 2, 3 or 4 bytes; lower case
 *        big-endian, upper case little-endian; 't'/'T' read into 32 bits
 *   '1'..'9'   pointer: that many bytes copied as they are
 *   '@' '#' '$' '%' '^' '&' '*' '('   pointer: 2..9 bytes in reverse order
 *   'n' / 'N'  unsigned count, pointer: count bytes as they are / reversed
 *   's'  PackData: C string with its zero; UnpackData: unsigned capacity, char *
 *   'S'  UnpackData only: unsigned field length, unsigned capacity, char *; the
 *        string is always terminated, the whole field consumed
 *   'p'  PackData: Pascal string; UnpackData: unsigned capacity, unsigned char *
 *   'l'  unsigned count, pointer: bytes translated Mac OS Roman -> Latin-1 on
 *        packing and Latin-1 -> Mac OS Roman on unpacking
 * Both return the number of bytes written or consumed, or -1 for a letter outside
 * the list, data too short, or a missing pointer. PackData does no bound check. */
#ifndef VIGIL_LIB_MEMORY_BYTE_ORDER_PACKING_H
#define VIGIL_LIB_MEMORY_BYTE_ORDER_PACKING_H

#include <stdarg.h>

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

SInt32 PackData(void *buffer, const char *format, ...);
SInt32 PackDataList(void *buffer, const char *format, va_list argumentList);
SInt32 UnpackData(UInt32 dataLength, const void *data, const char *format, ...);
SInt32 UnpackDataList(UInt32 dataLength, const void *data, const char *format, va_list argumentList);

#ifdef __cplusplus
}
#endif

#endif
