/* Memory zones of the stand-in platform: the application heap and temporary
 * memory, each an accounted zone over the C heap with an optional limit, so that
 * callers (and tests) can see exactly when memory runs out. */
#ifndef VIGIL_PLATFORM_MEMORY_ZONES_H
#define VIGIL_PLATFORM_MEMORY_ZONES_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A heap zone. Handles and pointer blocks are allocated in the current zone. */
typedef struct Zone *THz;

/* The application heap, temporary memory, and the current zone (initially the
 * application heap). There is no separate system heap: the system zone is the
 * application heap. */
THz ApplicationZone(void);
THz TempZone(void);
THz SystemZone(void);
THz GetZone(void);
void SetZone(THz zone); /* a null zone is ignored (paramErr) */

/* The largest block the application heap can supply now. */
long MaxBlock(void);
/* Purges the application heap's unlocked purgeable handles and returns the largest
 * block then available; *grow (if non-null) receives 0: the heap cannot grow. */
Size MaxMem(Size *grow);
/* The largest block of temporary memory; *grow as for MaxMem. */
Size TempMaxMem(Size *grow);
/* Space the application heap would have after purging, total and contiguous
 * (the same here, since blocks come from the C heap). Nothing is purged. */
void PurgeSpace(long *total, long *contig);

/* Accounting: bytes in use in a zone, and its limit. A limit below 0 means none:
 * the zone then offers what the machine has available. Allocations that would
 * take a zone past its limit fail with memFullErr. */
Size ZoneBytesInUse(THz zone);
Size ZoneGetLimit(THz zone);
void ZoneSetLimit(THz zone, Size limit);

#ifdef __cplusplus
}
#endif

#endif
