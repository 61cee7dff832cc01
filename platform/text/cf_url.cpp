#include "platform/text/cf_url.h"

#include "platform/text/cf_object.hpp"
#include "platform/text/lexical_path.hpp"

#include <memory>

using vigil::text::kURLTypeID;

extern "C" CFTypeID CFURLGetTypeID(void) { return kURLTypeID; }

extern "C" CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef, CFStringRef filePath,
                                                  CFURLPathStyle pathStyle, Boolean isDirectory) {
  if (filePath == nullptr || filePath->typeID != vigil::text::kStringTypeID) return nullptr;
  if (pathStyle != kCFURLPOSIXPathStyle || filePath->utf8.empty()) return nullptr;
  auto absolute = vigil::text::AbsoluteLexicalPath(filePath->utf8);
  if (!absolute) return nullptr;
  return std::make_unique<VigilCFURL>(std::move(*absolute), isDirectory != 0).release();
}

extern "C" CFStringRef CFURLCopyFileSystemPath(CFURLRef url, CFURLPathStyle pathStyle) {
  if (url == nullptr || url->typeID != kURLTypeID || pathStyle != kCFURLPOSIXPathStyle) {
    return nullptr;
  }
  return vigil::text::MakeCFString(url->path);
}

extern "C" Boolean CFURLHasDirectoryPath(CFURLRef url) {
  return url != nullptr && url->typeID == kURLTypeID && url->isDirectory;
}
