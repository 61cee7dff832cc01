/* Built against the C library's headers only, never linked with libvigil:
 * stands for code such as Qt or libcurl that shares a process with libvigil. */
#define _GNU_SOURCE
#include <string.h>

#include "lib/strings/symbol_versions/c_library_caller.h"

void *CLibraryMemmem(const void *hay, size_t hayLen, const void *needle, size_t needleLen) {
  return memmem(hay, hayLen, needle, needleLen);
}
