// Copying into, appending to and splicing the bytes of handles.
#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/core/result_codes.h"
#include "platform/memory/handles.h"
#include "platform/memory/memory_state.hpp"

using vigil::platform::memory::HandleRecord;
using vigil::platform::memory::MemoryState;
using vigil::platform::memory::SetMemError;

namespace {

// A live handle with a block, or null with MemError set.
HandleRecord *FindFilledHandle(MemoryState &state, Handle h) {
  HandleRecord *record = state.FindHandle(h);
  if (record != nullptr && record->master == nullptr) {
    SetMemError(nilHandleErr);
    return nullptr;
  }
  return record;
}

// Where the target of a Munger call starts and how long it is; start < 0 when a
// searched target is absent.
struct Target {
  long start;
  long length;
};

Target FindTarget(const HandleRecord &record, long offset, const void *ptr1, long len1) {
  long size = record.size;
  if (ptr1 == nullptr) return {offset, len1 < 0 ? size - offset : std::min(len1, size - offset)};
  if (len1 <= 0) return {offset, 0};
  std::string_view haystack(record.master + offset, size - offset);
  auto found = haystack.find(std::string_view(static_cast<const char *>(ptr1), len1));
  if (found == std::string_view::npos) return {-1, 0};
  return {offset + long(found), len1};
}

// Bytes to be copied into a handle, set aside first when they lie inside its
// block, which resizing can move or overwrite.
class SourceBytes {
 public:
  SourceBytes(const HandleRecord &record, const void *bytes, long length)
      : data_(static_cast<const char *>(bytes)) {
    if (data_ != nullptr && data_ >= record.master && data_ < record.master + record.capacity) {
      aside_.assign(data_, data_ + length);
      data_ = aside_.data();
    }
  }
  const char *data() const { return data_; }

 private:
  const char *data_;
  std::vector<char> aside_;
};

}  // namespace

extern "C" {

OSErr HandToHand(Handle *theHndl) {
  if (theHndl == nullptr) return SetMemError(paramErr);
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  HandleRecord *record = FindFilledHandle(state, *theHndl);
  if (record == nullptr) return vigil::platform::memory::LastMemError();
  Handle copy = state.NewHandleIn(*state.current, record->size, false);
  if (copy == nullptr) return vigil::platform::memory::LastMemError();
  std::memcpy(*copy, record->master, record->size);
  *theHndl = copy;
  return noErr;
}

OSErr PtrAndHand(const void *ptr, Handle h, long size) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  if (size < 0) return SetMemError(memSCErr);
  if (ptr == nullptr && size > 0) return SetMemError(paramErr);
  HandleRecord *record = FindFilledHandle(state, h);
  if (record == nullptr) return vigil::platform::memory::LastMemError();
  SourceBytes source(*record, ptr, size);
  Size oldSize = record->size;
  if (OSErr error = state.Resize(*record, oldSize + size)) return error;
  if (size > 0) std::memcpy(record->master + oldSize, source.data(), size);
  return noErr;
}

long Munger(Handle h, long offset, const void *ptr1, long len1, const void *ptr2, long len2) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  HandleRecord *record = FindFilledHandle(state, h);
  if (record == nullptr) return -1;
  if (offset < 0 || offset > record->size || len2 < 0) {
    SetMemError(paramErr);
    return -1;
  }
  Target target = FindTarget(*record, offset, ptr1, len1);
  SetMemError(noErr);
  if (target.start < 0 || ptr2 == nullptr) return target.start;

  SourceBytes replacement(*record, ptr2, len2);
  long tailStart = target.start + target.length;
  long tailLength = record->size - tailStart;
  long newSize = record->size - target.length + len2;
  if (newSize > record->size && state.Resize(*record, newSize) != noErr) return -1;
  std::memmove(record->master + target.start + len2, record->master + tailStart, tailLength);
  if (len2 > 0) std::memcpy(record->master + target.start, replacement.data(), len2);
  if (newSize < record->size) state.Resize(*record, newSize);  // shrinking stays in place
  return target.start + len2;
}

}  // extern "C"
