/* A caller of the C library's memmem, in a shared object of its own. */
#ifndef VIGIL_LIB_STRINGS_SYMBOL_VERSIONS_C_LIBRARY_CALLER_H
#define VIGIL_LIB_STRINGS_SYMBOL_VERSIONS_C_LIBRARY_CALLER_H

#include <stddef.h>

void *CLibraryMemmem(const void *hay, size_t hayLen, const void *needle, size_t needleLen);

#endif
