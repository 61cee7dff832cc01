/* Floating-point values to and from decimal Pascal strings through the
 * platform's number-format engine, with the canonical format '######0.' and
 * one '#' per fraction digit, or with the caller's format string. */
#ifndef VIGIL_LIB_FORMAT_FLOATING_POINT_H
#define VIGIL_LIB_FORMAT_FLOATING_POINT_H

#include "platform/core/base_types.h"
#include "platform/text/number_format.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Copies the system script's number parts into *partsTableOut (left alone when
 * the platform has none) and compiles the canonical format for fractionDigits
 * (0 means as many as fit: 12) into *formatRecordOut. Returns 0, -192 when the
 * platform has no number parts, or -50 when the format does not compile. */
OSStatus CreateCannonicalStringFormat(SInt16 fractionDigits, NumberFormat *formatRecordOut,
                                      NumberParts *partsTableOut);

/* Report nothing: a value the engine cannot write gives the empty string; text
 * it cannot read gives 0. */
StringPtr ConvertDoubleToString(double value, SInt16 fractionDigits, StringPtr dst);
double ConvertStringToDouble(ConstStr255Param str, SInt16 fractionDigits);

/* Through the caller's format (null means the empty format, which is refused)
 * with the current script's number parts. Return 0, -192, or -50 when the
 * engine refuses the format or the value; dst and *valueOut are then unchanged. */
OSStatus FloatingPointValueToString(double value, StringPtr dst, ConstStr255Param format);
OSStatus StringToFloatingPointValue(ConstStr255Param str, double *valueOut, ConstStr255Param format);

#ifdef __cplusplus
}
#endif

#endif
