/* Immutable string objects, the platform's path strings. */
#ifndef VIGIL_PLATFORM_TEXT_CF_STRING_H
#define VIGIL_PLATFORM_TEXT_CF_STRING_H

#include "platform/text/cf_base.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef const struct VigilCFString *CFStringRef;
typedef UInt32 CFStringEncoding;

enum {
  kCFStringEncodingMacRoman = 0,
  kCFStringEncodingASCII = 0x0600,
  kCFStringEncodingUTF8 = 0x08000100
};

CFTypeID CFStringGetTypeID(void);

/* A string of zero-terminated text in the given encoding; none when the text is
 * not valid in it. */
CFStringRef CFStringCreateWithCString(CFAllocatorRef alloc, const char *cStr,
                                      CFStringEncoding encoding);
CFStringRef CFStringCreateWithBytes(CFAllocatorRef alloc, const UInt8 *bytes, CFIndex numBytes,
                                    CFStringEncoding encoding, Boolean isExternalRepresentation);

/* The length in UTF-16 units. */
CFIndex CFStringGetLength(CFStringRef string);

/* Copies the string, terminated, into a buffer of bufferSize bytes; false when it
 * does not fit or cannot be expressed in the encoding (nothing is then promised
 * of the buffer's contents beyond its size). */
Boolean CFStringGetCString(CFStringRef string, char *buffer, CFIndex bufferSize,
                           CFStringEncoding encoding);

/* The UTF-8 bytes, terminated, valid while the string lives. */
const char *CFStringGetCStringPtr(CFStringRef string, CFStringEncoding encoding);

#ifdef __cplusplus
}
#endif

#endif
