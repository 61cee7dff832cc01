// Delivering events. The only receiver outside the program is the file manager
// (signature 'MACS'), reached over the session bus.
#include "platform/core/four_char_code.h"
#include "platform/core/result_codes.h"
#include "platform/events/apple_events.h"
#include "platform/events/event_items.hpp"
#include "platform/events/file_manager_service.hpp"
#include "platform/files/alias_records.hpp"
#include "platform/files/file_uris.hpp"

#include <algorithm>
#include <cstring>
#include <string>

using vigil::events::EventItem;
using vigil::events::FindEventItem;

namespace {

constexpr int kDefaultTimeoutMilliseconds = 5'000;
constexpr int kLongestTimeoutMilliseconds = 60'000;

// The longest wait for an answer, from the sender's time-out in ticks.
int TimeoutMilliseconds(SInt32 ticks) {
  if (ticks == kAEDefaultTimeout) return kDefaultTimeoutMilliseconds;
  if (ticks == kNoTimeOut) return kLongestTimeoutMilliseconds;
  return static_cast<int>(std::min<SInt64>(SInt64{ticks} * 1000 / 60, kLongestTimeoutMilliseconds));
}

FourCharCode CodeOf(const EventItem *item) {
  FourCharCode code = 0;
  if (item != nullptr && item->bytes.size() == sizeof code) {
    std::memcpy(&code, item->bytes.data(), sizeof code);
  }
  return code;
}

// A signature address holds the application's signature as an OSType, in the
// machine's byte order like every numeric descriptor.
bool IsFileManagerAddress(const EventItem *address) {
  constexpr FourCharCode kFileManagerSignature = VIGIL_FOUR_CHAR_CODE('M', 'A', 'C', 'S');
  return address != nullptr && address->type == typeApplSignature &&
         CodeOf(address) == kFileManagerSignature;
}

// Make objects visible: the direct object is an alias record of the item.
OSErr RevealInFileManager(const std::vector<EventItem> &items, int timeoutMilliseconds) {
  const EventItem *directObject = FindEventItem(items, false, keyDirectObject);
  if (directObject == nullptr) return errAEDescNotFound;
  if (directObject->type != typeAlias) return errAEWrongDataType;
  std::string path;
  if (const OSErr error = vigil::files::ResolveAliasRecord(directObject->bytes, nullptr, &path,
                                                           nullptr, nullptr);
      error != noErr) {
    return error;
  }
  return vigil::events::ShowItemsInFileManager({vigil::files::FileUriFromPath(path)},
                                               timeoutMilliseconds);
}

}  // namespace

extern "C" OSErr AESend(const AppleEvent *theAppleEvent, AppleEvent *reply, AESendMode,
                        AESendPriority, SInt32 timeOutInTicks, AEIdleUPP, AEFilterUPP) {
  if (reply != nullptr) *reply = {typeNull, nullptr};
  const auto items = vigil::events::ItemsOfEvent(theAppleEvent);
  if (!items) return errAENotAEDesc;
  if (timeOutInTicks < kNoTimeOut) return paramErr;
  if (!IsFileManagerAddress(FindEventItem(*items, true, keyAddressAttr))) return procNotFound;
  const FourCharCode eventClass = CodeOf(FindEventItem(*items, true, keyEventClassAttr));
  const FourCharCode eventID = CodeOf(FindEventItem(*items, true, keyEventIDAttr));
  if (eventClass == kAEMiscStandards && eventID == kAEMakeObjectsVisible) {
    return RevealInFileManager(*items, TimeoutMilliseconds(timeOutInTicks));
  }
  return errAEEventNotHandled;
}
