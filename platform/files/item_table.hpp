// The process-wide table of items seen through references: each item, named by
// its (device, inode), gets a slot that is never reused, and the table keeps the
// item's last known path. Slots give file references their identity and folders
// their directory IDs.
#pragma once

#include "platform/core/base_types.h"

#include <sys/types.h>

#include <optional>
#include <string>

namespace vigil::files {

struct ItemKey {
  dev_t device;
  ino_t inode;
  bool operator==(const ItemKey &) const = default;
};

struct ItemRecord {
  ItemKey key;
  std::string path;
};

// The slot of an item, made on first sight; the item's path becomes the given one.
// Nothing once every slot is taken.
std::optional<UInt32> RememberItem(ItemKey key, const std::string &path);

// What the table knows of a slot.
std::optional<ItemRecord> ItemInSlot(UInt32 slot);

// Directory IDs of folders other than volume roots are slots offset by this.
inline constexpr SInt32 kFirstFolderID = 16;

}  // namespace vigil::files
