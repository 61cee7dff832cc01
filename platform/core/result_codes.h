/* Result codes: the platform's own, which library routines pass on unchanged,
 * and the library's codes shared by many families of routines. */
#ifndef VIGIL_PLATFORM_CORE_RESULT_CODES_H
#define VIGIL_PLATFORM_CORE_RESULT_CODES_H

#ifdef __cplusplus
extern "C" {
#endif

enum {
  noErr = 0,

  /* File system */
  dirFulErr = -33,
  dskFulErr = -34,
  nsvErr = -35,    /* no such volume */
  ioErr = -36,
  bdNamErr = -37,  /* bad name */
  fnOpnErr = -38,  /* file not open */
  eofErr = -39,
  posErr = -40,
  tmfoErr = -42,   /* too many files open */
  fnfErr = -43,    /* file not found */
  wPrErr = -44,    /* volume write-protected */
  fLckdErr = -45,  /* file locked */
  vLckdErr = -46,  /* volume locked */
  fBsyErr = -47,   /* file busy */
  dupFNErr = -48,  /* duplicate file name */
  opWrErr = -49,   /* already open for writing */
  paramErr = -50,
  rfNumErr = -51,  /* bad reference number */
  gfpErr = -52,
  volOffLinErr = -53,
  permErr = -54,
  wrPermErr = -61,
  dirNFErr = -120, /* directory not found */
  tmwdoErr = -121,
  badMovErr = -122,
  wrgVolTypErr = -123,
  fidNotFound = -1300,
  notAFileErr = -1302,
  errFSNotAFolder = -1407,
  afpAccessDenied = -5000,
  afpObjectTypeErr = -5025,

  /* Memory */
  memFullErr = -108,
  nilHandleErr = -109,
  memWZErr = -111,
  memPurErr = -112,
  memLockedErr = -117,

  /* Resources */
  resNotFound = -192,
  resFNotFound = -193,
  addResFailed = -194,
  rmvResFailed = -196,
  resAttrErr = -198,
  mapReadErr = -199,

  /* Processes and events */
  procNotFound = -600,
  connectionInvalid = -609,
  noUserInteractionAllowed = -610,
  errAECoercionFail = -1700,
  errAEDescNotFound = -1701,
  errAENotAEDesc = -1704,
  errAEWrongDataType = -1703,
  errAEEventNotHandled = -1708,
  errAETimeout = -1712,
  errAENoSuchObject = -1728,

  /* Aliases */
  unresolvedAlias = -5553
};

/* The library's own codes; each family of routines refines their meaning. */
enum {
  kLibFormatErr = -6700,            /* formatting a number failed */
  kLibEmptyPathErr = -6704,         /* an empty path */
  kLibMissingArgErr = -6705,        /* a required argument or out-parameter is missing */
  kLibRangeErr = -6710,             /* an index, count, offset or value out of range */
  kLibNotFoundErr = -6727,          /* not found */
  kLibNoMemoryErr = -6728,          /* out of memory */
  kLibAlreadyPresentErr = -6730,    /* already present */
  kLibTextConversionErr = -6732,    /* a platform text conversion failed */
  kLibUnsupportedLetterErr = -6735, /* an unsupported letter in a packing format */
  kLibUTF8ContinuationErr = -6737,  /* a UTF-8 continuation byte was expected */
  kLibBadValueErr = -6741,          /* a value outside the defined ones */
  kLibMalformedErr = -6742,         /* malformed text */
  kLibSizeErr = -6743,              /* a size that does not fit */
  kLibUTF8StartErr = -6750          /* a byte that cannot start a UTF-8 sequence */
};

/* Added with the memory routines. */
enum {
  memSCErr = -116,           /* a negative block size */
  cfragNoSymbolErr = -2802,  /* the shared library has no such symbol */
  cfragNoLibraryErr = -2804, /* no shared library of that name */
  kLibAllocatorUnavailableErr = -2053, /* the selected built-in allocator is not available */
  kLibBlockSizeErr = -23002            /* a fixed-size allocator asked for another size */
};

#ifdef __cplusplus
}
#endif

#endif
