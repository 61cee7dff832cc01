/* Inter-application events of the stand-in platform: descriptors (a type and a
 * data handle), events built from them, and sending. Events to the file manager
 * (signature 'MACS') go to the desktop's file manager over the session bus. */
#ifndef VIGIL_PLATFORM_EVENTS_APPLE_EVENTS_H
#define VIGIL_PLATFORM_EVENTS_APPLE_EVENTS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef FourCharCode AEEventClass;
typedef FourCharCode AEEventID;
typedef FourCharCode AEKeyword;
typedef SInt16 AEReturnID;
typedef SInt32 AETransactionID;
typedef SInt32 AESendMode;
typedef SInt16 AESendPriority;

/* A descriptor: its type and a handle of its bytes (null when it has none). The
 * data of an event (type 'aevt') is private to the event routines. */
typedef Handle AEDataStorage;
typedef struct AEDesc {
  DescType descriptorType;
  AEDataStorage dataHandle;
} AEDesc;
typedef AEDesc AEAddressDesc;
typedef AEDesc AppleEvent;
typedef AEDesc *AEDescPtr;

/* Routines the sender may give to be called while it waits; sending here never
 * waits for user interaction, so they are accepted and not called. */
typedef struct OpaqueAEIdleUPP *AEIdleUPP;
typedef struct OpaqueAEFilterUPP *AEFilterUPP;

enum {
  typeNull = 0x6E756C6C,            /* 'null' */
  typeWildCard = 0x2A2A2A2A,        /* '****': any type, in reading */
  typeAppleEvent = 0x61657674,      /* 'aevt' */
  typeApplSignature = 0x7369676E,   /* 'sign' */
  typeProcessSerialNumber = 0x70736E20, /* 'psn ' */
  typeAlias = 0x616C6973,           /* 'alis' */
  typeType = 0x74797065,            /* 'type' */
  typeSInt16 = 0x73686F72,          /* 'shor' */
  typeSInt32 = 0x6C6F6E67,          /* 'long' */

  keyDirectObject = 0x2D2D2D2D,     /* '----' */
  keyEventClassAttr = 0x6576636C,   /* 'evcl' */
  keyEventIDAttr = 0x65766964,      /* 'evid' */
  keyAddressAttr = 0x61646472,      /* 'addr' */
  keyReturnIDAttr = 0x72746964,     /* 'rtid' */
  keyTransactionIDAttr = 0x7472616E, /* 'tran' */

  kAEMiscStandards = 0x6D697363,    /* 'misc' */
  kAEMakeObjectsVisible = 0x6D766973 /* 'mvis' */
};

enum {
  kAutoGenerateReturnID = -1,
  kAnyTransactionID = 0
};

/* Send modes, priorities and time-outs (in ticks). */
enum {
  kAENoReply = 0x00000001,
  kAEQueueReply = 0x00000002,
  kAEWaitReply = 0x00000003,
  kAENeverInteract = 0x00000010,
  kAECanInteract = 0x00000020,
  kAEAlwaysInteract = 0x00000030,
  kAECanSwitchLayer = 0x00000040,
  kAENormalPriority = 0x00000000,
  kAEHighPriority = 0x00000001,
  kAEDefaultTimeout = -1,
  kNoTimeOut = -2
};

/* A descriptor of the given type holding a copy of dataSize bytes. On failure
 * result is the null descriptor: paramErr for a null result, negative size or
 * missing bytes, memFullErr when no handle can be had. */
OSErr AECreateDesc(DescType typeCode, const void *dataPtr, Size dataSize, AEDesc *result);

/* Releases the descriptor's data and makes it the null descriptor. */
OSErr AEDisposeDesc(AEDesc *theAEDesc);

/* The size of a descriptor's data, and a copy of at most maximumSize bytes of it. */
Size AEGetDescDataSize(const AEDesc *theAEDesc);
OSErr AEGetDescData(const AEDesc *theAEDesc, void *dataPtr, Size maximumSize);

/* An event of a class and ID to the target address. kAutoGenerateReturnID gives
 * the event a return ID of its own. The target is copied. */
OSErr AECreateAppleEvent(AEEventClass theAEEventClass, AEEventID theAEEventID,
                         const AEAddressDesc *target, AEReturnID returnID,
                         AETransactionID transactionID, AppleEvent *result);

/* Puts a parameter into an event, replacing one of the same keyword. */
OSErr AEPutParamPtr(AppleEvent *theAppleEvent, AEKeyword theAEKeyword, DescType typeCode,
                    const void *dataPtr, Size dataSize);

/* Reads a parameter or an attribute: its type, and at most maximumSize of its
 * bytes (actualSize receives the full size). desiredType is the stored type or
 * typeWildCard; other types answer errAECoercionFail. errAEDescNotFound when the
 * event has no such item. typeCode and actualSize may be null. */
OSErr AEGetParamPtr(const AppleEvent *theAppleEvent, AEKeyword theAEKeyword,
                    DescType desiredType, DescType *typeCode, void *dataPtr, Size maximumSize,
                    Size *actualSize);
OSErr AEGetAttributePtr(const AppleEvent *theAppleEvent, AEKeyword theAEKeyword,
                        DescType desiredType, DescType *typeCode, void *dataPtr,
                        Size maximumSize, Size *actualSize);

/* Sends an event and answers once it was delivered, or the reason it was not:
 * connectionInvalid when there is no session bus, procNotFound when no process
 * takes the target, errAEEventNotHandled when the target does not handle the
 * event, errAETimeout when it did not answer in time. The file manager handles
 * 'misc'/'mvis' with an alias record as the direct object. The time-out is the
 * sender's in ticks, 5 seconds for kAEDefaultTimeout, and never more than 60
 * seconds, so that a stuck receiver never blocks the sender for good. The reply
 * (may be null) receives the null descriptor: receivers here send no data back. */
OSErr AESend(const AppleEvent *theAppleEvent, AppleEvent *reply, AESendMode sendMode,
             AESendPriority sendPriority, SInt32 timeOutInTicks, AEIdleUPP idleProc,
             AEFilterUPP filterProc);

#ifdef __cplusplus
}
#endif

#endif
