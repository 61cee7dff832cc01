// The private data of an event: its attributes and parameters, each a keyword,
// a descriptor type and bytes, kept one after another in the event's handle.
#pragma once

#include "platform/core/base_types.h"
#include "platform/events/apple_events.h"

#include <optional>
#include <span>
#include <vector>

namespace vigil::events {

struct EventItem {
  bool attribute = false;
  FourCharCode keyword = 0;
  DescType type = 0;
  std::vector<UInt8> bytes;
};

// Layout of one item, in the machine's byte order (the data never leaves the
// process): a 4-byte kind (1 attribute, 0 parameter), the keyword, the type,
// the byte count, then the bytes. Items follow each other without padding.
std::vector<UInt8> EncodeEventItems(const std::vector<EventItem> &items);

// Nothing for data that is not a well-formed list of items.
std::optional<std::vector<EventItem>> DecodeEventItems(std::span<const UInt8> data);

// The items of an event descriptor; nothing for another descriptor or damaged data.
std::optional<std::vector<EventItem>> ItemsOfEvent(const AEDesc *event);

// The attribute or parameter of a keyword, or null.
const EventItem *FindEventItem(const std::vector<EventItem> &items, bool attribute,
                               FourCharCode keyword);

// The bytes of a handle (empty for none).
std::span<const UInt8> HandleBytes(Handle handle);

// A new handle holding a copy of bytes; null on failure, with MemError set.
Handle NewHandleWithBytes(std::span<const UInt8> bytes);

// Replaces a handle's contents; the handle is unchanged on failure.
OSErr ReplaceHandleBytes(Handle handle, std::span<const UInt8> bytes);

}  // namespace vigil::events
