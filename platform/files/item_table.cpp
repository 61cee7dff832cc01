#include "platform/files/item_table.hpp"

#include <deque>
#include <mutex>
#include <unordered_map>

namespace vigil::files {
namespace {

struct ItemKeyHash {
  size_t operator()(const ItemKey &key) const noexcept {
    return std::hash<uint64_t>()(static_cast<uint64_t>(key.inode) * 0x9E3779B97F4A7C15ull ^
                                 static_cast<uint64_t>(key.device));
  }
};

class ItemTable {
 public:
  static ItemTable &Instance() {
    static ItemTable table;
    return table;
  }

  std::optional<UInt32> Remember(ItemKey key, const std::string &path) {
    std::lock_guard lock(mutex_);
    if (const auto found = slots_.find(key); found != slots_.end()) {
      ItemRecord &record = records_[found->second];
      if (record.path != path) record.path = path;
      return found->second;
    }
    // Slots must stay representable as positive directory IDs.
    if (records_.size() >= static_cast<size_t>(INT32_MAX - kFirstFolderID)) return std::nullopt;
    const auto slot = static_cast<UInt32>(records_.size());
    records_.push_back({key, path});
    slots_.emplace(key, slot);
    return slot;
  }

  std::optional<ItemRecord> InSlot(UInt32 slot) {
    std::lock_guard lock(mutex_);
    if (slot >= records_.size()) return std::nullopt;
    return records_[slot];
  }

 private:
  std::mutex mutex_;
  std::deque<ItemRecord> records_;
  std::unordered_map<ItemKey, UInt32, ItemKeyHash> slots_;
};

}  // namespace

std::optional<UInt32> RememberItem(ItemKey key, const std::string &path) {
  return ItemTable::Instance().Remember(key, path);
}

std::optional<ItemRecord> ItemInSlot(UInt32 slot) { return ItemTable::Instance().InSlot(slot); }

}  // namespace vigil::files
