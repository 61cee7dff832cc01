/* Reference-counted platform objects (strings, URLs): the common calls. */
#ifndef VIGIL_PLATFORM_TEXT_CF_BASE_H
#define VIGIL_PLATFORM_TEXT_CF_BASE_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef const void *CFTypeRef;
typedef long CFIndex;
typedef unsigned long CFTypeID;
typedef const struct VigilCFAllocator *CFAllocatorRef;

/* The only allocator: the C heap. */
#define kCFAllocatorDefault ((CFAllocatorRef)0)

/* Adds a reference; answers the object. */
CFTypeRef CFRetain(CFTypeRef object);

/* Drops a reference; the object is freed with its last one. A null object is
 * ignored rather than crashing, unlike the platform. */
void CFRelease(CFTypeRef object);

CFIndex CFGetRetainCount(CFTypeRef object);
CFTypeID CFGetTypeID(CFTypeRef object);

#ifdef __cplusplus
}
#endif

#endif
