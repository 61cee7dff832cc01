#include "platform/events/event_items.hpp"

#include "platform/core/result_codes.h"
#include "platform/memory/handles.h"

#include <cstring>

namespace vigil::events {
namespace {

constexpr size_t kItemHeaderSize = 16;

void PutWord(std::vector<UInt8> &out, UInt32 value) {
  const auto *bytes = reinterpret_cast<const UInt8 *>(&value);
  out.insert(out.end(), bytes, bytes + sizeof value);
}

UInt32 WordAt(std::span<const UInt8> data, size_t offset) {
  UInt32 value;
  std::memcpy(&value, data.data() + offset, sizeof value);
  return value;
}

}  // namespace

std::vector<UInt8> EncodeEventItems(const std::vector<EventItem> &items) {
  std::vector<UInt8> data;
  for (const EventItem &item : items) {
    PutWord(data, item.attribute ? 1 : 0);
    PutWord(data, item.keyword);
    PutWord(data, item.type);
    PutWord(data, static_cast<UInt32>(item.bytes.size()));
    data.insert(data.end(), item.bytes.begin(), item.bytes.end());
  }
  return data;
}

std::optional<std::vector<EventItem>> DecodeEventItems(std::span<const UInt8> data) {
  std::vector<EventItem> items;
  while (!data.empty()) {
    if (data.size() < kItemHeaderSize) return std::nullopt;
    const UInt32 kind = WordAt(data, 0);
    const UInt32 length = WordAt(data, 12);
    if (kind > 1 || length > data.size() - kItemHeaderSize) return std::nullopt;
    EventItem item;
    item.attribute = kind == 1;
    item.keyword = WordAt(data, 4);
    item.type = WordAt(data, 8);
    const auto bytes = data.subspan(kItemHeaderSize, length);
    item.bytes.assign(bytes.begin(), bytes.end());
    items.push_back(std::move(item));
    data = data.subspan(kItemHeaderSize + length);
  }
  return items;
}

std::optional<std::vector<EventItem>> ItemsOfEvent(const AEDesc *event) {
  if (event == nullptr || event->descriptorType != typeAppleEvent) return std::nullopt;
  return DecodeEventItems(HandleBytes(event->dataHandle));
}

const EventItem *FindEventItem(const std::vector<EventItem> &items, bool attribute,
                               FourCharCode keyword) {
  for (const EventItem &item : items) {
    if (item.attribute == attribute && item.keyword == keyword) return &item;
  }
  return nullptr;
}

std::span<const UInt8> HandleBytes(Handle handle) {
  if (handle == nullptr || *handle == nullptr) return {};
  return {reinterpret_cast<const UInt8 *>(*handle), static_cast<size_t>(GetHandleSize(handle))};
}

Handle NewHandleWithBytes(std::span<const UInt8> bytes) {
  Handle handle = NewHandle(static_cast<Size>(bytes.size()));
  if (handle != nullptr && !bytes.empty()) std::memcpy(*handle, bytes.data(), bytes.size());
  return handle;
}

OSErr ReplaceHandleBytes(Handle handle, std::span<const UInt8> bytes) {
  SetHandleSize(handle, static_cast<Size>(bytes.size()));
  if (const OSErr error = MemError(); error != noErr) return error;
  if (!bytes.empty()) std::memcpy(*handle, bytes.data(), bytes.size());
  return noErr;
}

}  // namespace vigil::events
