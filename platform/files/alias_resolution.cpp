#include "platform/files/alias_resolution.hpp"

#include "platform/core/result_codes.h"
#include "platform/files/aliases.h"
#include "platform/files/errno_result.hpp"
#include "platform/files/item_locator.hpp"

#include <unistd.h>

#include <cerrno>
#include <optional>
#include <vector>

namespace vigil::files {
namespace {

// Where one alias step leads from an item that stands for another: the canonical
// path of what a symbolic link points at. Nothing for an ordinary item.
std::optional<std::string> AliasTarget(const std::string &canonical, const struct stat &status,
                                       OSErr *error) {
  if (!S_ISLNK(status.st_mode)) return std::nullopt;
  std::vector<char> buffer(static_cast<size_t>(status.st_size > 0 ? status.st_size : 255) + 1);
  const ssize_t length = readlink(canonical.c_str(), buffer.data(), buffer.size());
  if (length < 0 || static_cast<size_t>(length) >= buffer.size()) {
    *error = fnfErr;
    if (length < 0) *error = ResultFromErrno(errno);
    return std::string();
  }
  std::string link(buffer.data(), static_cast<size_t>(length));
  if (link.empty()) {
    *error = fnfErr;
    return std::string();
  }
  if (link.front() != '/') link = canonical.substr(0, canonical.rfind('/') + 1) + link;
  std::string target;
  *error = CanonicalItemPath(link, &target);
  return target;
}

}  // namespace

OSErr ResolveAliasPath(const std::string &canonical, bool resolveChains, std::string *target,
                       struct stat *targetStatus, bool *wasAliased) {
  std::string current = canonical;
  struct stat status {};
  if (lstat(current.c_str(), &status) != 0) return ResultFromErrno(errno);
  *wasAliased = false;
  for (int step = 0;; ++step) {
    OSErr error = noErr;
    std::optional<std::string> next = AliasTarget(current, status, &error);
    if (!next) break;
    if (error == dirNFErr) return fnfErr;
    if (error != noErr) return error;
    if (step == kMaxAliasChain) return fnfErr;
    current = std::move(*next);
    *wasAliased = true;
    if (lstat(current.c_str(), &status) != 0) return fnfErr;
    if (!resolveChains) break;
  }
  *target = std::move(current);
  *targetStatus = status;
  return noErr;
}

}  // namespace vigil::files

using namespace vigil::files;

namespace {

// Resolves the item at a located path and, when it was an alias, hands its
// target to rewrite, which puts it into the caller's triple or reference.
template <typename Rewrite>
OSErr ResolveLocated(OSErr located, const std::string &path, Boolean resolveAliasChains,
                     Boolean *targetIsFolder, Boolean *wasAliased, Rewrite rewrite) {
  if (located != noErr) return located;
  std::string target;
  struct stat status {};
  bool aliased = false;
  if (const OSErr error = ResolveAliasPath(path, resolveAliasChains, &target, &status, &aliased);
      error != noErr) {
    return error;
  }
  if (aliased) {
    if (const OSErr error = rewrite(target, status); error != noErr) return error;
  }
  if (targetIsFolder != nullptr) *targetIsFolder = S_ISDIR(status.st_mode);
  if (wasAliased != nullptr) *wasAliased = aliased;
  return noErr;
}

}  // namespace

extern "C" OSErr ResolveAliasFileWithMountFlags(FSSpec *theSpec, Boolean resolveAliasChains,
                                                Boolean *targetIsFolder, Boolean *wasAliased,
                                                unsigned long) {
  if (theSpec == nullptr) return paramErr;
  std::string path;
  const OSErr located = PathFromSpec(theSpec, &path);
  return ResolveLocated(located, path, resolveAliasChains, targetIsFolder, wasAliased,
                        [theSpec](const std::string &target, const struct stat &) {
                          FSSpec resolved{};
                          const OSErr error = SpecFromCanonicalPath(target, &resolved);
                          if (error == noErr) *theSpec = resolved;
                          return error;
                        });
}

extern "C" OSErr ResolveAliasFile(FSSpec *theSpec, Boolean resolveAliasChains,
                                  Boolean *targetIsFolder, Boolean *wasAliased) {
  return ResolveAliasFileWithMountFlags(theSpec, resolveAliasChains, targetIsFolder, wasAliased,
                                        0);
}

extern "C" OSErr FSResolveAliasFileWithMountFlags(FSRef *theRef, Boolean resolveAliasChains,
                                                  Boolean *targetIsFolder, Boolean *wasAliased,
                                                  unsigned long) {
  if (theRef == nullptr) return paramErr;
  std::string path;
  const OSErr located = PathFromRef(theRef, &path);
  return ResolveLocated(located, path, resolveAliasChains, targetIsFolder, wasAliased,
                        [theRef](const std::string &target, const struct stat &status) {
                          return RefFromCanonicalPath(target, status, theRef);
                        });
}

extern "C" OSErr FSResolveAliasFile(FSRef *theRef, Boolean resolveAliasChains,
                                    Boolean *targetIsFolder, Boolean *wasAliased) {
  return FSResolveAliasFileWithMountFlags(theRef, resolveAliasChains, targetIsFolder, wasAliased,
                                          0);
}
