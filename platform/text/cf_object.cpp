#include "platform/text/cf_object.hpp"

#include <memory>

VigilCFString::VigilCFString(std::string text)
    : VigilCFObject(vigil::text::kStringTypeID), utf8(std::move(text)) {}

VigilCFURL::VigilCFURL(std::string absolutePath, bool directory)
    : VigilCFObject(vigil::text::kURLTypeID), path(std::move(absolutePath)), isDirectory(directory) {}

namespace vigil::text {

// Every handle given out points at the most derived object, whose VigilCFObject
// base is its first and only base, so the two addresses are the same.
const VigilCFObject *CFObjectOf(CFTypeRef object) {
  return static_cast<const VigilCFObject *>(object);
}

CFStringRef MakeCFString(std::string utf8) {
  return std::make_unique<VigilCFString>(std::move(utf8)).release();
}

std::string_view CFStringView(CFStringRef string) {
  return string != nullptr ? std::string_view(string->utf8) : std::string_view();
}

}  // namespace vigil::text

extern "C" CFTypeRef CFRetain(CFTypeRef object) {
  if (const auto *base = vigil::text::CFObjectOf(object)) {
    const_cast<VigilCFObject *>(base)->references.fetch_add(1, std::memory_order_relaxed);
  }
  return object;
}

extern "C" void CFRelease(CFTypeRef object) {
  const auto *base = vigil::text::CFObjectOf(object);
  if (base == nullptr) return;
  auto *mutableBase = const_cast<VigilCFObject *>(base);
  if (mutableBase->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    std::unique_ptr<VigilCFObject> last(mutableBase);
  }
}

extern "C" CFIndex CFGetRetainCount(CFTypeRef object) {
  const auto *base = vigil::text::CFObjectOf(object);
  return base != nullptr ? base->references.load(std::memory_order_relaxed) : 0;
}

extern "C" CFTypeID CFGetTypeID(CFTypeRef object) {
  const auto *base = vigil::text::CFObjectOf(object);
  return base != nullptr ? base->typeID : 0;
}
