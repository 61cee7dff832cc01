#include "platform/files/alias_records.h"

#include "platform/core/result_codes.h"
#include "platform/files/alias_record_format.hpp"
#include "platform/files/alias_records.hpp"
#include "platform/files/item_locator.hpp"
#include "platform/files/volume_table.hpp"
#include "platform/memory/handles.h"

#include <cstring>
#include <optional>
#include <vector>

namespace vigil::files {
namespace {

std::string FolderOf(const std::string &canonical) {
  const size_t slash = canonical.rfind('/');
  return slash == 0 ? "/" : canonical.substr(0, slash);
}

std::vector<std::string_view> Components(std::string_view path) {
  std::vector<std::string_view> parts;
  for (size_t start = 0; start < path.size();) {
    size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The path that leads from a folder to a target, both canonical: "../" for each
// level to climb, then the target's remaining components.
std::string RelativePath(const std::string &folder, const std::string &target) {
  const auto from = Components(folder);
  const auto to = Components(target);
  size_t common = 0;
  while (common < from.size() && common < to.size() && from[common] == to[common]) ++common;
  std::string relative;
  for (size_t i = common; i < from.size(); ++i) relative += "../";
  for (size_t i = common; i < to.size(); ++i) {
    relative += to[i];
    relative += '/';
  }
  if (relative.empty()) return ".";
  relative.pop_back();
  return relative;
}

struct Candidate {
  std::string path;
  struct stat status {};
};

std::optional<Candidate> ItemAt(std::string_view path) {
  Candidate candidate;
  if (CanonicalItemPath(path, &candidate.path) != noErr) return std::nullopt;
  if (lstat(candidate.path.c_str(), &candidate.status) != 0) return std::nullopt;
  return candidate;
}

}  // namespace

OSErr ResolveAliasRecord(std::span<const UInt8> record, const std::string *originFolder,
                         std::string *path, struct stat *status, bool *changed) {
  const auto contents = DecodeAliasRecord(record);
  if (!contents || contents->absolutePath.empty() || contents->absolutePath.front() != '/') {
    return paramErr;
  }
  std::optional<Candidate> candidates[2] = {ItemAt(contents->absolutePath), std::nullopt};
  if (originFolder != nullptr && !contents->relativePath.empty()) {
    candidates[1] = ItemAt(*originFolder + "/" + contents->relativePath);
  }
  const auto isRecordedKind = [&](const Candidate &candidate) {
    return (candidate.status.st_mode & S_IFMT) == contents->kind;
  };
  // Inode numbers are reused, so identity includes the kind.
  const auto isRecordedItem = [&](const Candidate &candidate) {
    return candidate.status.st_dev == contents->device &&
           candidate.status.st_ino == contents->inode && isRecordedKind(candidate);
  };
  // Identity first, then kind: an item replaced under its name (as editors save)
  // is still taken, but never before the recorded item itself.
  for (const bool byIdentity : {true, false}) {
    for (const auto &candidate : candidates) {
      if (!candidate || !(byIdentity ? isRecordedItem(*candidate) : isRecordedKind(*candidate))) {
        continue;
      }
      if (changed != nullptr) {
        *changed = &candidate != &candidates[0] || !isRecordedItem(*candidate);
      }
      *path = candidate->path;
      if (status != nullptr) *status = candidate->status;
      return noErr;
    }
  }
  return fnfErr;
}

}  // namespace vigil::files

using namespace vigil::files;

extern "C" OSErr FSNewAlias(const FSRef *fromFile, const FSRef *target, AliasHandle *inAlias) {
  if (target == nullptr || inAlias == nullptr) return paramErr;
  *inAlias = nullptr;
  AliasRecordContents contents;
  struct stat status {};
  if (const OSErr error = PathFromRef(target, &contents.absolutePath, &status); error != noErr) {
    return error;
  }
  if (fromFile != nullptr) {
    std::string origin;
    if (const OSErr error = PathFromRef(fromFile, &origin); error != noErr) return error;
    contents.relativePath = RelativePath(FolderOf(origin), contents.absolutePath);
  }
  contents.kind = static_cast<UInt16>(status.st_mode & S_IFMT);
  contents.device = status.st_dev;
  contents.inode = status.st_ino;
  if (const auto volume = VolumeForPath(contents.absolutePath, status.st_dev)) {
    contents.volumeName = volume->name;
  }
  const auto record = EncodeAliasRecord(contents);
  if (!record) return bdNamErr;
  Handle handle = NewHandle(static_cast<Size>(record->size()));
  if (handle == nullptr) return MemError();
  std::memcpy(*handle, record->data(), record->size());
  *inAlias = reinterpret_cast<AliasHandle>(handle);
  return noErr;
}

extern "C" OSErr FSResolveAlias(const FSRef *fromFile, AliasHandle alias, FSRef *target,
                                Boolean *wasChanged) {
  if (alias == nullptr || *alias == nullptr || target == nullptr) return paramErr;
  const Size size = GetHandleSize(reinterpret_cast<Handle>(alias));
  const std::span<const UInt8> record(reinterpret_cast<const UInt8 *>(*alias),
                                      static_cast<size_t>(size));
  std::string origin;
  if (fromFile != nullptr) {
    if (const OSErr error = PathFromRef(fromFile, &origin); error != noErr) return error;
    origin = FolderOf(origin);
  }
  std::string path;
  struct stat status {};
  bool changed = false;
  if (const OSErr error = ResolveAliasRecord(record, fromFile != nullptr ? &origin : nullptr,
                                             &path, &status, &changed);
      error != noErr) {
    return error;
  }
  if (const OSErr error = RefFromCanonicalPath(path, status, target); error != noErr) return error;
  if (wasChanged != nullptr) *wasChanged = changed;
  return noErr;
}
