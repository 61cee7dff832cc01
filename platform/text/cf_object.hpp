// The layout behind the platform's reference-counted objects.
#pragma once

#include "platform/text/cf_string.h"
#include "platform/text/cf_url.h"

#include <atomic>
#include <string>

struct VigilCFObject {
  explicit VigilCFObject(CFTypeID type) : typeID(type) {}
  virtual ~VigilCFObject() = default;
  const CFTypeID typeID;
  std::atomic<CFIndex> references{1};
};

struct VigilCFString : VigilCFObject {
  explicit VigilCFString(std::string text);
  std::string utf8;
};

struct VigilCFURL : VigilCFObject {
  VigilCFURL(std::string absolutePath, bool directory);
  std::string path;  // absolute, without a trailing '/' except for "/" itself
  bool isDirectory;
};

namespace vigil::text {

enum : CFTypeID { kStringTypeID = 7, kURLTypeID = 29 };

// The object behind a reference of any kind, or null.
const VigilCFObject *CFObjectOf(CFTypeRef object);

// A new string holding UTF-8 text, with one reference for the caller.
CFStringRef MakeCFString(std::string utf8);

// The UTF-8 text of a string, or an empty view for a null string.
std::string_view CFStringView(CFStringRef string);

}  // namespace vigil::text
