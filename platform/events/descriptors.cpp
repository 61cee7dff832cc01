#include "platform/core/result_codes.h"
#include "platform/events/apple_events.h"
#include "platform/events/event_items.hpp"
#include "platform/memory/handles.h"

#include <algorithm>
#include <cstring>

using vigil::events::HandleBytes;

extern "C" OSErr AECreateDesc(DescType typeCode, const void *dataPtr, Size dataSize,
                              AEDesc *result) {
  if (result == nullptr) return paramErr;
  *result = {typeNull, nullptr};
  if (dataSize < 0 || (dataPtr == nullptr && dataSize > 0)) return paramErr;
  Handle data = nullptr;
  if (dataSize > 0) {
    data = vigil::events::NewHandleWithBytes(
        {static_cast<const UInt8 *>(dataPtr), static_cast<size_t>(dataSize)});
    if (data == nullptr) return MemError();
  }
  *result = {typeCode, data};
  return noErr;
}

extern "C" OSErr AEDisposeDesc(AEDesc *theAEDesc) {
  if (theAEDesc == nullptr) return paramErr;
  if (theAEDesc->dataHandle != nullptr) DisposeHandle(theAEDesc->dataHandle);
  *theAEDesc = {typeNull, nullptr};
  return noErr;
}

extern "C" Size AEGetDescDataSize(const AEDesc *theAEDesc) {
  if (theAEDesc == nullptr) return 0;
  return static_cast<Size>(HandleBytes(theAEDesc->dataHandle).size());
}

extern "C" OSErr AEGetDescData(const AEDesc *theAEDesc, void *dataPtr, Size maximumSize) {
  if (theAEDesc == nullptr || maximumSize < 0 || (dataPtr == nullptr && maximumSize > 0)) {
    return paramErr;
  }
  const auto bytes = HandleBytes(theAEDesc->dataHandle);
  const size_t count = std::min(bytes.size(), static_cast<size_t>(maximumSize));
  if (count > 0) std::memcpy(dataPtr, bytes.data(), count);
  return noErr;
}
