#include "platform/events/apple_events.h"

#include "platform/core/result_codes.h"
#include "platform/events/event_items.hpp"
#include "platform/memory/handles.h"

#include <algorithm>
#include <atomic>
#include <cstring>

using vigil::events::EventItem;
using vigil::events::FindEventItem;
using vigil::events::ItemsOfEvent;

namespace {

template <typename Value>
EventItem ValueItem(FourCharCode keyword, DescType type, Value value) {
  EventItem item{true, keyword, type, std::vector<UInt8>(sizeof value)};
  std::memcpy(item.bytes.data(), &value, sizeof value);
  return item;
}

// Return IDs the platform hands out: 1 to 32767, then round again.
AEReturnID NextReturnID() {
  static std::atomic<UInt32> counter{0};
  return static_cast<AEReturnID>(counter.fetch_add(1) % 32767 + 1);
}

OSErr GetItem(const AppleEvent *event, bool attribute, AEKeyword keyword, DescType desiredType,
              DescType *typeCode, void *dataPtr, Size maximumSize, Size *actualSize) {
  if (maximumSize < 0 || (dataPtr == nullptr && maximumSize > 0)) return paramErr;
  const auto items = ItemsOfEvent(event);
  if (!items) return errAENotAEDesc;
  const EventItem *item = FindEventItem(*items, attribute, keyword);
  if (item == nullptr) return errAEDescNotFound;
  if (desiredType != typeWildCard && desiredType != item->type) return errAECoercionFail;
  if (typeCode != nullptr) *typeCode = item->type;
  if (actualSize != nullptr) *actualSize = static_cast<Size>(item->bytes.size());
  const size_t count = std::min(item->bytes.size(), static_cast<size_t>(maximumSize));
  if (count > 0) std::memcpy(dataPtr, item->bytes.data(), count);
  return noErr;
}

}  // namespace

extern "C" OSErr AECreateAppleEvent(AEEventClass theAEEventClass, AEEventID theAEEventID,
                                    const AEAddressDesc *target, AEReturnID returnID,
                                    AETransactionID transactionID, AppleEvent *result) {
  if (result == nullptr) return paramErr;
  *result = {typeNull, nullptr};
  if (target == nullptr) return paramErr;
  if (returnID == kAutoGenerateReturnID) returnID = NextReturnID();
  const auto address = vigil::events::HandleBytes(target->dataHandle);
  const std::vector<EventItem> items = {
      ValueItem(keyEventClassAttr, typeType, theAEEventClass),
      ValueItem(keyEventIDAttr, typeType, theAEEventID),
      EventItem{true, keyAddressAttr, target->descriptorType, {address.begin(), address.end()}},
      ValueItem(keyReturnIDAttr, typeSInt16, returnID),
      ValueItem(keyTransactionIDAttr, typeSInt32, transactionID)};
  Handle data = vigil::events::NewHandleWithBytes(vigil::events::EncodeEventItems(items));
  if (data == nullptr) return MemError();
  *result = {typeAppleEvent, data};
  return noErr;
}

extern "C" OSErr AEPutParamPtr(AppleEvent *theAppleEvent, AEKeyword theAEKeyword,
                               DescType typeCode, const void *dataPtr, Size dataSize) {
  if (dataSize < 0 || (dataPtr == nullptr && dataSize > 0)) return paramErr;
  auto items = ItemsOfEvent(theAppleEvent);
  if (!items) return errAENotAEDesc;
  const auto *bytes = static_cast<const UInt8 *>(dataPtr);
  EventItem parameter{false, theAEKeyword, typeCode, {bytes, bytes + dataSize}};
  std::erase_if(*items, [&](const EventItem &item) {
    return !item.attribute && item.keyword == theAEKeyword;
  });
  items->push_back(std::move(parameter));
  return vigil::events::ReplaceHandleBytes(theAppleEvent->dataHandle,
                                           vigil::events::EncodeEventItems(*items));
}

extern "C" OSErr AEGetParamPtr(const AppleEvent *theAppleEvent, AEKeyword theAEKeyword,
                               DescType desiredType, DescType *typeCode, void *dataPtr,
                               Size maximumSize, Size *actualSize) {
  return GetItem(theAppleEvent, false, theAEKeyword, desiredType, typeCode, dataPtr,
                 maximumSize, actualSize);
}

extern "C" OSErr AEGetAttributePtr(const AppleEvent *theAppleEvent, AEKeyword theAEKeyword,
                                   DescType desiredType, DescType *typeCode, void *dataPtr,
                                   Size maximumSize, Size *actualSize) {
  return GetItem(theAppleEvent, true, theAEKeyword, desiredType, typeCode, dataPtr,
                 maximumSize, actualSize);
}
