/* Showing an item in the desktop's file manager: an event asking it to make
 * the item visible (its folder's window open, the item selected), then the
 * file manager brought to the front. */
#ifndef VIGIL_BRIDGE_REVEAL_H
#define VIGIL_BRIDGE_REVEAL_H

#include "platform/core/base_types.h"
#include "platform/events/processes.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Reveals the referenced item. 0, or the first error met (the item's, the
 * event's, its delivery's or the fronting's), passed on unchanged. Everything it
 * makes is disposed of on every path. */
OSStatus FSRefRevealInFinder(const FSRef *inRef);

/* Brings the file manager (signature 'MACS') to the front: 0, or the error of
 * finding it or of fronting it. */
OSStatus BringFinderToFront(void);

/* Finds the first running process whose creator signature is inSignature and
 * stores its serial number in outPSN (may be null; untouched unless found).
 * 0 when found, else the error that ended the search (procNotFound at the end
 * of the process list). */
OSStatus FindProcessBySignature(OSType inSignature, ProcessSerialNumber *outPSN);

#ifdef __cplusplus
}
#endif

#endif
