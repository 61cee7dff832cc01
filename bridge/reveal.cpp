#include "bridge/reveal.h"

#include "platform/core/four_char_code.h"
#include "platform/core/result_codes.h"
#include "platform/events/apple_events.h"
#include "platform/files/alias_records.h"
#include "platform/memory/handles.h"

namespace {

constexpr OSType kFinderSignature = VIGIL_FOUR_CHAR_CODE('M', 'A', 'C', 'S');
// No reply wanted, and the receiver may come to the front.
constexpr AESendMode kRevealSendMode = kAENoReply | kAECanSwitchLayer;

// Puts the whole alias record of the item into the event as its direct object.
OSStatus PutAliasOfItem(const FSRef *item, AppleEvent *event) {
  AliasHandle alias = nullptr;
  OSStatus status = FSNewAlias(nullptr, item, &alias);
  if (status != noErr) return status;
  const Handle data = reinterpret_cast<Handle>(alias);
  HLock(data);
  status = AEPutParamPtr(event, keyDirectObject, typeAlias, *data, GetHandleSize(data));
  DisposeHandle(data);
  return status;
}

}  // namespace

extern "C" OSStatus FSRefRevealInFinder(const FSRef *inRef) {
  AppleEvent event{typeNull, nullptr};
  AEAddressDesc target;
  OSType signature = kFinderSignature;
  OSStatus status = AECreateDesc(typeApplSignature, &signature, sizeof signature, &target);
  if (status == noErr) {
    status = AECreateAppleEvent(kAEMiscStandards, kAEMakeObjectsVisible, &target,
                                kAutoGenerateReturnID, kAnyTransactionID, &event);
    AEDisposeDesc(&target);
  }
  if (status == noErr) status = PutAliasOfItem(inRef, &event);
  if (status == noErr) {
    status = AESend(&event, nullptr, kRevealSendMode, kAENormalPriority, kAEDefaultTimeout,
                    nullptr, nullptr);
  }
  if (status == noErr) status = BringFinderToFront();
  AEDisposeDesc(&event);
  return status;
}

extern "C" OSStatus BringFinderToFront(void) {
  ProcessSerialNumber psn;
  const OSStatus status = FindProcessBySignature(kFinderSignature, &psn);
  if (status != noErr) return status;
  return SetFrontProcess(&psn);
}

extern "C" OSStatus FindProcessBySignature(OSType inSignature, ProcessSerialNumber *outPSN) {
  ProcessSerialNumber psn{0, kNoProcess};
  for (;;) {
    if (const OSErr error = GetNextProcess(&psn); error != noErr) return error;
    ProcessInfoRec info{};
    info.processInfoLength = 60;
    info.processName = nullptr;
    info.processAppSpec = nullptr;
    const OSErr error = GetProcessInformation(&psn, &info);
    // A process that ended since the step is passed over: processes come and go
    // all the time, and one that went is not the one searched for.
    if (error == procNotFound) continue;
    if (error != noErr) return error;
    if (info.processSignature != inSignature) continue;
    if (outPSN != nullptr) *outPSN = psn;
    return noErr;
  }
}
