// FSMakeFSSpec: triples from a folder and a name that may be a partial or full
// path of the platform (components separated by ':').
#include "platform/core/result_codes.h"
#include "platform/files/catalog.h"
#include "platform/files/item_locator.hpp"
#include "platform/files/item_names.hpp"
#include "platform/text/mac_roman.hpp"

#include <sys/stat.h>

#include <string>
#include <string_view>
#include <vector>

namespace vigil::files {
namespace {

std::vector<std::string_view> SplitColons(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t colon = text.find(':', start);
    parts.push_back(text.substr(start, colon == std::string_view::npos ? colon : colon - start));
    if (colon == std::string_view::npos) return parts;
    start = colon + 1;
  }
}

// The path of a component inside a folder; a component must be a folder when
// more follow it.
OSErr Step(const std::string &folder, std::string_view component, std::string *path) {
  if (component.empty()) {  // "::" climbs to the enclosing folder
    *path = folder == "/" ? folder : folder.substr(0, std::max<size_t>(1, folder.rfind('/')));
    return noErr;
  }
  Str255 name;
  StorePascalName(component, name, sizeof name);
  struct stat status {};
  return PathInFolder(folder, name, path, &status);
}

}  // namespace
}  // namespace vigil::files

using namespace vigil::files;

extern "C" OSErr FSMakeFSSpec(SInt16 vRefNum, SInt32 dirID, ConstStr255Param fileName,
                              FSSpec *fileSpec) {
  if (fileSpec == nullptr) return paramErr;
  const std::string_view name =
      fileName != nullptr ? std::string_view(reinterpret_cast<const char *>(fileName + 1), fileName[0])
                          : std::string_view();
  std::vector<std::string_view> components = SplitColons(name);
  std::string folder;
  if (components.size() > 1 && !components.front().empty()) {
    // A full path: its first component is a volume's name.
    const auto volume = VolumeForName(vigil::text::MacRomanToUtf8(
        {reinterpret_cast<const uint8_t *>(components.front().data()), components.front().size()}));
    if (!volume) return nsvErr;
    folder = volume->mountPoint;
  } else if (const OSErr error = FolderPathFromID(vRefNum, dirID, &folder); error != noErr) {
    return error;
  }
  if (components.size() > 1) components.erase(components.begin());

  // Each component but the last leads into a folder; the last names the item,
  // or, when empty after a ':', the folder reached.
  for (size_t i = 0; i + 1 < components.size(); ++i) {
    std::string next;
    if (const OSErr error = Step(folder, components[i], &next); error != noErr) {
      if (error == fnfErr) return dirNFErr;
      return error;
    }
    if (const OSErr error = ResolvedPath(next, &folder); error != noErr) return error;
  }
  std::string item = folder;
  OSErr found = noErr;
  if (!components.back().empty()) found = Step(folder, components.back(), &item);
  if (found != noErr && found != fnfErr) return found;
  const OSErr made = SpecFromCanonicalPath(item, fileSpec);
  return made != noErr ? made : found;
}
