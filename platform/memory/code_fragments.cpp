#include "platform/memory/code_fragments.h"

#include <array>
#include <mutex>
#include <set>
#include <string>
#include <string_view>

#include "platform/core/result_codes.h"
#include "platform/memory/code_fragments_control.hpp"
#include "platform/memory/zones.h"

struct OpaqueCFragConnectionID {
  std::string_view name;
};

namespace {

struct Symbol {
  std::string_view name;
  Ptr address;
};

// The one library there is, with the functions of the older system interface
// that newer callers look up by name.
OpaqueCFragConnectionID gInterfaceLib{"InterfaceLib"};
const std::array kInterfaceLibSymbols{
    Symbol{"GetZone", reinterpret_cast<Ptr>(&GetZone)},
    Symbol{"SetZone", reinterpret_cast<Ptr>(&SetZone)},
    Symbol{"SystemZone", reinterpret_cast<Ptr>(&SystemZone)},
    Symbol{"ApplicationZone", reinterpret_cast<Ptr>(&ApplicationZone)},
};

std::mutex gHiddenMutex;
std::set<std::string, std::less<>> gHidden;  // "library/symbol"

std::string HiddenKey(std::string_view library, std::string_view symbol) {
  return std::string(library) + '/' + std::string(symbol);
}

bool IsHidden(std::string_view library, std::string_view symbol) {
  std::lock_guard lock(gHiddenMutex);
  return gHidden.contains(HiddenKey(library, symbol));
}

std::string_view PascalView(const unsigned char *pascal) {
  return pascal == nullptr ? std::string_view() : std::string_view(reinterpret_cast<const char *>(pascal + 1), pascal[0]);
}

}  // namespace

namespace vigil::platform {

void SetSharedLibrarySymbolHidden(std::string_view library, std::string_view symbol, bool hidden) {
  std::lock_guard lock(gHiddenMutex);
  if (hidden)
    gHidden.insert(HiddenKey(library, symbol));
  else
    gHidden.erase(HiddenKey(library, symbol));
}

}  // namespace vigil::platform

extern "C" {

OSErr GetSharedLibrary(ConstStr63Param libName, CFragArchitecture, CFragLoadOptions, CFragConnectionID *connID,
                       Ptr *mainAddr, Str255 errMessage) {
  if (mainAddr != nullptr) *mainAddr = nullptr;
  if (errMessage != nullptr) errMessage[0] = 0;
  if (connID == nullptr) return paramErr;
  *connID = nullptr;
  if (PascalView(libName) != gInterfaceLib.name) return cfragNoLibraryErr;
  *connID = &gInterfaceLib;
  return noErr;
}

OSErr FindSymbol(CFragConnectionID connID, ConstStr255Param symName, Ptr *symAddr, CFragSymbolClass *symClass) {
  if (symAddr == nullptr) return paramErr;
  *symAddr = nullptr;
  if (connID != &gInterfaceLib) return cfragNoLibraryErr;
  std::string_view name = PascalView(symName);
  if (IsHidden(connID->name, name)) return cfragNoSymbolErr;
  for (const Symbol &symbol : kInterfaceLibSymbols) {
    if (symbol.name == name) {
      *symAddr = symbol.address;
      if (symClass != nullptr) *symClass = kCodeCFragSymbol;
      return noErr;
    }
  }
  return cfragNoSymbolErr;
}

}  // extern "C"
