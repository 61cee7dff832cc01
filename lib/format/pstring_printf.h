/* The C library's printf and scanf families on Pascal strings. These take the
 * C library's format language, not the library's own (see formatted_output.h). */
#ifndef VIGIL_LIB_FORMAT_PSTRING_PRINTF_H
#define VIGIL_LIB_FORMAT_PSTRING_PRINTF_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* At most 253 characters and a terminator after the length byte (dst needs
 * 255 bytes); returns the length stored, 0 when the C library fails. */
SInt32 PStringPrintF(StringPtr dst, const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

/* Scans a copy of the Pascal string made into a C string; returns vsscanf's
 * result. */
SInt32 PStringScanF(ConstStr255Param src, const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(scanf, 2, 3)))
#endif
    ;

#ifdef __cplusplus
}
#endif

#endif
