#include "platform/files/volume_table.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <vector>

namespace vigil::files {
namespace {

// File systems that hold no user files: never volumes.
constexpr std::array<std::string_view, 22> kPseudoFileSystems = {
    "proc",       "sysfs",       "cgroup",   "cgroup2",  "devpts",    "mqueue",
    "debugfs",    "tracefs",     "securityfs", "pstore", "bpf",       "configfs",
    "fusectl",    "hugetlbfs",   "autofs",   "binfmt_misc", "rpc_pipefs", "nsfs",
    "efivarfs",   "selinuxfs",   "devtmpfs", "fuse.gvfsd-fuse"};

struct Mount {
  std::string mountPoint;
  std::string fsType;
  std::string source;
};

// mountinfo escapes space, tab, newline and backslash as \ooo (octal).
std::string Unescape(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        std::all_of(field.begin() + i + 1, field.begin() + i + 4,
                    [](char c) { return c >= '0' && c <= '7'; })) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                               (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

// udev escapes characters of labels in link names as \xHH.
std::string UnescapeHex(std::string_view name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
        std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
      out += static_cast<char>(std::stoi(std::string(name.substr(i + 2, 2)), nullptr, 16));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

std::vector<Mount> ReadMounts() {
  std::vector<Mount> mounts;
  std::ifstream in("/proc/self/mountinfo");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string id, parent, device, root, mountPoint, options, field;
    fields >> id >> parent >> device >> root >> mountPoint >> options;
    while (fields >> field && field != "-") {
    }
    std::string fsType, source;
    fields >> fsType >> source;
    if (mountPoint.empty() || fsType.empty()) continue;
    mounts.push_back({Unescape(mountPoint), fsType, Unescape(source)});
  }
  if (mounts.empty()) mounts.push_back({"/", "rootfs", ""});
  return mounts;
}

bool IsPseudo(std::string_view fsType) {
  return std::find(kPseudoFileSystems.begin(), kPseudoFileSystems.end(), fsType) !=
         kPseudoFileSystems.end();
}

bool IsUnder(std::string_view path, std::string_view mountPoint) {
  if (mountPoint == "/") return true;
  return path.starts_with(mountPoint) &&
         (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

// The file-system label of a block device, from the links in /dev/disk/by-label.
std::string LabelOf(const std::string &source) {
  if (source.empty() || source.front() != '/') return {};
  std::error_code error;
  const auto device = std::filesystem::canonical(source, error);
  if (error) return {};
  for (const auto &entry : std::filesystem::directory_iterator("/dev/disk/by-label", error)) {
    std::error_code linkError;
    if (std::filesystem::canonical(entry.path(), linkError) == device && !linkError) {
      return UnescapeHex(entry.path().filename().string());
    }
  }
  return {};
}

std::string NameOf(const Mount &mount) {
  if (std::string label = LabelOf(mount.source); !label.empty()) return label;
  if (mount.mountPoint == "/") {
    std::array<char, HOST_NAME_MAX + 1> host{};
    if (gethostname(host.data(), host.size() - 1) == 0 && host[0] != '\0') return host.data();
    return "Root";
  }
  return std::filesystem::path(mount.mountPoint).filename().string();
}

class VolumeTable {
 public:
  static VolumeTable &Instance() {
    static VolumeTable table;
    return table;
  }

  std::optional<Volume> ForPath(std::string_view path, dev_t device) {
    std::lock_guard lock(mutex_);
    if (auto volume = LookUp(path, device)) return volume;
    mounts_ = ReadMounts();
    return LookUp(path, device);
  }

  std::optional<Volume> ForRefNum(SInt16 refNum) {
    std::lock_guard lock(mutex_);
    const int index = -refNum - 1;
    if (index < 0 || index >= static_cast<int>(volumes_.size())) return std::nullopt;
    return volumes_[index];
  }

  std::optional<Volume> ForName(std::string_view name) {
    std::lock_guard lock(mutex_);
    // Every real mount gets its number here, so a volume can be found by name
    // before any of its items has been seen.
    mounts_ = ReadMounts();
    for (const Mount &mount : mounts_) {
      if (IsPseudo(mount.fsType)) continue;
      struct stat status {};
      if (stat(mount.mountPoint.c_str(), &status) != 0) continue;
      Register(mount, status.st_dev);
    }
    for (const Volume &volume : volumes_) {
      if (volume.name == name) return volume;
    }
    return std::nullopt;
  }

 private:
  VolumeTable() : mounts_(ReadMounts()) {
    struct stat root {};
    if (stat("/", &root) == 0) LookUp("/", root.st_dev);
  }

  // The innermost mount that holds the path, when it is a real file system on
  // the item's device.
  std::optional<Volume> LookUp(std::string_view path, dev_t device) {
    const Mount *best = nullptr;
    for (const Mount &mount : mounts_) {
      // Later lines of mountinfo are mounted over earlier ones at the same point.
      if (IsUnder(path, mount.mountPoint) &&
          (best == nullptr || mount.mountPoint.size() >= best->mountPoint.size())) {
        best = &mount;
      }
    }
    if (best == nullptr || IsPseudo(best->fsType)) return std::nullopt;
    struct stat status {};
    if (stat(best->mountPoint.c_str(), &status) != 0 || status.st_dev != device) {
      return std::nullopt;
    }
    return Register(*best, device);
  }

  Volume Register(const Mount &mount, dev_t device) {
    for (Volume &volume : volumes_) {
      if (volume.mountPoint == mount.mountPoint) {
        volume.device = device;  // the same point may have been mounted again
        return volume;
      }
    }
    const auto refNum = static_cast<SInt16>(-static_cast<int>(volumes_.size()) - 1);
    volumes_.push_back({refNum, device, mount.mountPoint, NameOf(mount), mount.fsType});
    return volumes_.back();
  }

  std::mutex mutex_;
  std::vector<Mount> mounts_;
  std::vector<Volume> volumes_;
};

}  // namespace

std::optional<Volume> VolumeForPath(std::string_view path, dev_t device) {
  return VolumeTable::Instance().ForPath(path, device);
}

std::optional<Volume> VolumeForRefNum(SInt16 refNum) {
  return VolumeTable::Instance().ForRefNum(refNum);
}

std::optional<Volume> VolumeForName(std::string_view name) {
  return VolumeTable::Instance().ForName(name);
}

}  // namespace vigil::files
