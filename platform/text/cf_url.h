/* URL objects for file-system paths. */
#ifndef VIGIL_PLATFORM_TEXT_CF_URL_H
#define VIGIL_PLATFORM_TEXT_CF_URL_H

#include "platform/text/cf_string.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef const struct VigilCFURL *CFURLRef;
typedef CFIndex CFURLPathStyle;

enum {
  kCFURLPOSIXPathStyle = 0
};

CFTypeID CFURLGetTypeID(void);

/* A file URL of a POSIX path; a relative path is taken from the current folder.
 * None for a missing or empty path or another path style. */
CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef allocator, CFStringRef filePath,
                                       CFURLPathStyle pathStyle, Boolean isDirectory);

/* The URL's absolute POSIX path, a new string. */
CFStringRef CFURLCopyFileSystemPath(CFURLRef url, CFURLPathStyle pathStyle);

Boolean CFURLHasDirectoryPath(CFURLRef url);

#ifdef __cplusplus
}
#endif

#endif
