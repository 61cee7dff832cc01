/* File references of URL objects and URL objects of file references. */
#ifndef VIGIL_PLATFORM_FILES_URL_REFERENCES_H
#define VIGIL_PLATFORM_FILES_URL_REFERENCES_H

#include "platform/text/cf_url.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Fills the reference of the item the URL names; true only when it exists. */
Boolean CFURLGetFSRef(CFURLRef url, FSRef *fsRef);

/* A file URL of a referenced item, or none. */
CFURLRef CFURLCreateFromFSRef(CFAllocatorRef allocator, const FSRef *fsRef);

#ifdef __cplusplus
}
#endif

#endif
