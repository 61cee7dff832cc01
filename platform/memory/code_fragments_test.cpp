#include "platform/memory/code_fragments.h"

#include <gtest/gtest.h>

#include "platform/core/result_codes.h"
#include "platform/memory/code_fragments_control.hpp"
#include "platform/memory/zones.h"

namespace {

TEST(CodeFragments, FindsTheZoneFunctionsOfInterfaceLib) {
  CFragConnectionID connection = nullptr;
  Ptr mainAddr = reinterpret_cast<Ptr>(1);
  Str255 message = {3, 'x', 'y', 'z'};
  ASSERT_EQ(GetSharedLibrary(reinterpret_cast<const unsigned char *>("\x0cInterfaceLib"), kAnyCFragArch,
                             kReferenceCFrag, &connection, &mainAddr, message),
            noErr);
  EXPECT_EQ(mainAddr, nullptr);
  EXPECT_EQ(message[0], 0);
  Ptr address = nullptr;
  CFragSymbolClass symbolClass = 9;
  ASSERT_EQ(FindSymbol(connection, reinterpret_cast<const unsigned char *>("\x07GetZone"), &address, &symbolClass),
            noErr);
  EXPECT_EQ(symbolClass, kCodeCFragSymbol);
  EXPECT_EQ(reinterpret_cast<THz (*)(void)>(address)(), GetZone());
  EXPECT_EQ(FindSymbol(connection, reinterpret_cast<const unsigned char *>("\x07GetZonX"), &address, nullptr),
            cfragNoSymbolErr);
  EXPECT_EQ(address, nullptr);

  vigil::platform::SetSharedLibrarySymbolHidden("InterfaceLib", "SetZone", true);
  EXPECT_EQ(FindSymbol(connection, reinterpret_cast<const unsigned char *>("\x07SetZone"), &address, nullptr),
            cfragNoSymbolErr);
  vigil::platform::SetSharedLibrarySymbolHidden("InterfaceLib", "SetZone", false);
  EXPECT_EQ(FindSymbol(connection, reinterpret_cast<const unsigned char *>("\x07SetZone"), &address, nullptr), noErr);
}

TEST(CodeFragments, UnknownLibrariesAreNotFound) {
  CFragConnectionID connection = nullptr;
  EXPECT_EQ(GetSharedLibrary(reinterpret_cast<const unsigned char *>("\x06NoSuch"), kAnyCFragArch, kReferenceCFrag,
                             &connection, nullptr, nullptr),
            cfragNoLibraryErr);
  EXPECT_EQ(connection, nullptr);
  Ptr address = nullptr;
  EXPECT_EQ(FindSymbol(nullptr, reinterpret_cast<const unsigned char *>("\x07GetZone"), &address, nullptr),
            cfragNoLibraryErr);
}

}  // namespace
