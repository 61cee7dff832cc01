#include "platform/files/url_references.h"

#include "platform/core/result_codes.h"
#include "platform/files/item_locator.hpp"
#include "platform/text/cf_object.hpp"

#include <memory>

extern "C" Boolean CFURLGetFSRef(CFURLRef url, FSRef *fsRef) {
  if (url == nullptr || fsRef == nullptr || url->typeID != vigil::text::kURLTypeID) return false;
  return vigil::files::RefFromPath(url->path, fsRef) == noErr;
}

extern "C" CFURLRef CFURLCreateFromFSRef(CFAllocatorRef, const FSRef *fsRef) {
  std::string path;
  struct stat status {};
  if (vigil::files::PathFromRef(fsRef, &path, &status) != noErr) return nullptr;
  return std::make_unique<VigilCFURL>(std::move(path), S_ISDIR(status.st_mode)).release();
}
