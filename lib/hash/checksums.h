/* Checksums computable in pieces: pass the previous result back in.
 *   CRC32 (0 to start): the CRC-32 of zlib, PNG and Ethernet.
 *   Adler32 (1 to start): Adler-32 of RFC 1950, reduced every blockSize bytes
 *     (0 means 5552, the most that cannot overflow; larger values count as 5552).
 *   CHRPNVRAMChecksum: the 8-bit end-around-carry sum of NVRAM partition headers. */
#ifndef VIGIL_LIB_HASH_CHECKSUMS_H
#define VIGIL_LIB_HASH_CHECKSUMS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* With no data (a null pointer) the result is 0, the starting value; an empty
 * piece of real data leaves the running value unchanged. */
UInt32 CRC32(UInt32 crc, const void *data, UInt32 length);
/* CRC32, after making sure that the table has been built. */
UInt32 CRC32Dynamic(UInt32 crc, const void *data, UInt32 length);
UInt32 Adler32(UInt32 adler, UInt32 blockSize, const void *data, UInt32 length);
UInt8 CHRPNVRAMChecksum(const void *data, UInt32 length);

#ifdef __cplusplus
}
#endif

#endif
