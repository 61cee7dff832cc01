// The mounted file systems as the platform's volumes: numbered -1, -2, ... in
// order of first sight, stable for the process, the volume holding "/" first.
#pragma once

#include "platform/core/base_types.h"

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace vigil::files {

struct Volume {
  SInt16 refNum;
  dev_t device;
  std::string mountPoint;  // absolute, "/" for the root file system
  std::string name;        // UTF-8: the file system's label, else the mount point's last component
  std::string fsType;
};

// The volume that holds the item at an absolute canonical path, whose device the
// caller has already read with stat.
std::optional<Volume> VolumeForPath(std::string_view path, dev_t device);

// The volume of a reference number.
std::optional<Volume> VolumeForRefNum(SInt16 refNum);

// The mounted volume whose name is the given UTF-8 name (first in numbering order).
std::optional<Volume> VolumeForName(std::string_view name);

}  // namespace vigil::files
