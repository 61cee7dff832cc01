#include "platform/core/four_char_code.h"
#include "platform/core/result_codes.h"
#include "platform/events/apple_events.h"
#include "platform/files/alias_records.h"
#include "platform/files/catalog.h"
#include "platform/memory/handles.h"
#include "platform/memory/zones.h"
#include "tests/support/scoped_environment.hpp"
#include "tests/support/temp_folder.hpp"

#include <string>

#include <gtest/gtest.h>

namespace {

using vigil::testing::ScopedEnvironment;

constexpr OSType kFileManager = VIGIL_FOUR_CHAR_CODE('M', 'A', 'C', 'S');

// An event that disposes of itself.
struct Event {
  AppleEvent desc{typeNull, nullptr};
  ~Event() { AEDisposeDesc(&desc); }
};

OSErr MakeEvent(OSType signature, AEEventClass eventClass, AEEventID eventID, Event *event) {
  AEAddressDesc target;
  if (OSErr error = AECreateDesc(typeApplSignature, &signature, sizeof signature, &target)) {
    return error;
  }
  const OSErr error = AECreateAppleEvent(eventClass, eventID, &target, kAutoGenerateReturnID,
                                         kAnyTransactionID, &event->desc);
  AEDisposeDesc(&target);
  return error;
}

TEST(AppleEvents, AttributesAndParametersReadBack) {
  Event event;
  ASSERT_EQ(MakeEvent(kFileManager, kAEMiscStandards, kAEMakeObjectsVisible, &event), noErr);
  EXPECT_EQ(event.desc.descriptorType, static_cast<DescType>(typeAppleEvent));

  DescType type = 0;
  OSType code = 0;
  Size size = 0;
  ASSERT_EQ(AEGetAttributePtr(&event.desc, keyEventClassAttr, typeType, &type, &code, sizeof code,
                              &size),
            noErr);
  EXPECT_EQ(code, static_cast<OSType>(kAEMiscStandards));
  ASSERT_EQ(AEGetAttributePtr(&event.desc, keyAddressAttr, typeWildCard, &type, &code, sizeof code,
                              &size),
            noErr);
  EXPECT_EQ(type, static_cast<DescType>(typeApplSignature));
  EXPECT_EQ(code, kFileManager);
  AEReturnID returnID = 0;
  ASSERT_EQ(AEGetAttributePtr(&event.desc, keyReturnIDAttr, typeSInt16, nullptr, &returnID,
                              sizeof returnID, nullptr),
            noErr);
  EXPECT_GT(returnID, 0);  // generated, never the "generate one" value

  ASSERT_EQ(AEPutParamPtr(&event.desc, keyDirectObject, typeAlias, "first", 5), noErr);
  ASSERT_EQ(AEPutParamPtr(&event.desc, keyDirectObject, typeAlias, "second!", 7), noErr);
  char bytes[4] = {};
  ASSERT_EQ(AEGetParamPtr(&event.desc, keyDirectObject, typeAlias, &type, bytes, sizeof bytes,
                          &size),
            noErr);
  EXPECT_EQ(std::string(bytes, 4), "seco");  // cut to the buffer, full size reported
  EXPECT_EQ(size, 7);
  // Parameters and attributes are apart: the keyword is no attribute.
  EXPECT_EQ(AEGetAttributePtr(&event.desc, keyDirectObject, typeWildCard, nullptr, nullptr, 0,
                              nullptr),
            errAEDescNotFound);
}

TEST(AppleEvents, Errors) {
  Event event;
  ASSERT_EQ(MakeEvent(kFileManager, kAEMiscStandards, kAEMakeObjectsVisible, &event), noErr);
  EXPECT_EQ(AEGetParamPtr(&event.desc, keyDirectObject, typeWildCard, nullptr, nullptr, 0, nullptr),
            errAEDescNotFound);
  ASSERT_EQ(AEPutParamPtr(&event.desc, keyDirectObject, typeAlias, "x", 1), noErr);
  EXPECT_EQ(AEGetParamPtr(&event.desc, keyDirectObject, typeSInt32, nullptr, nullptr, 0, nullptr),
            errAECoercionFail);
  EXPECT_EQ(AEPutParamPtr(&event.desc, keyDirectObject, typeAlias, nullptr, 3), paramErr);

  AEDesc plain;
  ASSERT_EQ(AECreateDesc(typeSInt32, "abcd", 4, &plain), noErr);
  EXPECT_EQ(AEPutParamPtr(&plain, keyDirectObject, typeAlias, "x", 1), errAENotAEDesc);
  EXPECT_EQ(AESend(&plain, nullptr, kAENoReply, kAENormalPriority, kAEDefaultTimeout, nullptr,
                   nullptr),
            errAENotAEDesc);
  EXPECT_EQ(AEGetDescDataSize(&plain), 4);
  EXPECT_EQ(AEDisposeDesc(&plain), noErr);
  EXPECT_EQ(plain.descriptorType, static_cast<DescType>(typeNull));
  EXPECT_EQ(plain.dataHandle, nullptr);

  AEDesc desc{typeSInt32, reinterpret_cast<Handle>(1)};
  EXPECT_EQ(AECreateDesc(typeSInt32, nullptr, 4, &desc), paramErr);
  EXPECT_EQ(desc.dataHandle, nullptr);
  EXPECT_EQ(AECreateDesc(typeSInt32, "abcd", -1, &desc), paramErr);
  EXPECT_EQ(AECreateAppleEvent(kAEMiscStandards, kAEMakeObjectsVisible, nullptr, 0, 0, &desc),
            paramErr);
  EXPECT_EQ(AEDisposeDesc(nullptr), paramErr);
}

TEST(AppleEvents, MemoryRunningOutLeavesNothingBehind) {
  const Size limit = ZoneGetLimit(ApplicationZone());
  const Size before = ZoneBytesInUse(ApplicationZone());
  ZoneSetLimit(ApplicationZone(), before);
  AEDesc desc{typeSInt32, reinterpret_cast<Handle>(1)};
  EXPECT_EQ(AECreateDesc(typeSInt32, "abcd", 4, &desc), memFullErr);
  EXPECT_EQ(desc.dataHandle, nullptr);
  ZoneSetLimit(ApplicationZone(), limit);

  Event event;
  ASSERT_EQ(MakeEvent(kFileManager, kAEMiscStandards, kAEMakeObjectsVisible, &event), noErr);
  ZoneSetLimit(ApplicationZone(), ZoneBytesInUse(ApplicationZone()));
  EXPECT_EQ(AEPutParamPtr(&event.desc, keyDirectObject, typeAlias, "grows", 5), memFullErr);
  ZoneSetLimit(ApplicationZone(), limit);
  EXPECT_EQ(AEGetParamPtr(&event.desc, keyDirectObject, typeWildCard, nullptr, nullptr, 0, nullptr),
            errAEDescNotFound);
  AEDisposeDesc(&event.desc);
  EXPECT_EQ(ZoneBytesInUse(ApplicationZone()), before);
}

// Sending without a bus or to a receiver that cannot take the event answers at
// once with the reason; the bus and file manager cases are end-to-end tests.
TEST(AppleEvents, SendingAnswersWhyItCouldNotDeliver) {
  ScopedEnvironment environment;
  environment.withoutSessionBus();
  vigil::testing::TempFolder temp;
  FSRef ref{};
  ASSERT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8 *>(temp.path().c_str()), &ref, nullptr),
            noErr);
  AliasHandle alias = nullptr;
  ASSERT_EQ(FSNewAlias(nullptr, &ref, &alias), noErr);
  HLock(reinterpret_cast<Handle>(alias));
  const Size aliasSize = GetHandleSize(reinterpret_cast<Handle>(alias));

  const auto send = [](const Event &event) {
    AppleEvent reply{typeSInt32, reinterpret_cast<Handle>(1)};
    const OSErr error = AESend(&event.desc, &reply, kAENoReply | kAECanSwitchLayer,
                               kAENormalPriority, kAEDefaultTimeout, nullptr, nullptr);
    EXPECT_EQ(reply.descriptorType, static_cast<DescType>(typeNull));
    return error;
  };
  struct Case {
    const char *what;
    OSType signature;
    AEEventID eventID;
    DescType directType;  // 0: no direct object
    OSErr expected;
  } cases[] = {
      {"no bus", kFileManager, kAEMakeObjectsVisible, typeAlias, connectionInvalid},
      {"another application", VIGIL_FOUR_CHAR_CODE('t', 't', 'x', 't'), kAEMakeObjectsVisible,
       typeAlias, procNotFound},
      {"an event it does not handle", kFileManager, VIGIL_FOUR_CHAR_CODE('z', 'z', 'z', 'z'),
       typeAlias, errAEEventNotHandled},
      {"no direct object", kFileManager, kAEMakeObjectsVisible, 0, errAEDescNotFound},
      {"direct object not an alias", kFileManager, kAEMakeObjectsVisible, typeSInt32,
       errAEWrongDataType},
  };
  for (const Case &c : cases) {
    Event event;
    ASSERT_EQ(MakeEvent(c.signature, kAEMiscStandards, c.eventID, &event), noErr);
    if (c.directType != 0) {
      ASSERT_EQ(AEPutParamPtr(&event.desc, keyDirectObject, c.directType, *alias, aliasSize),
                noErr);
    }
    EXPECT_EQ(send(event), c.expected) << c.what;
  }
  // A damaged alias record is refused before anything is sent.
  Event event;
  ASSERT_EQ(MakeEvent(kFileManager, kAEMiscStandards, kAEMakeObjectsVisible, &event), noErr);
  std::string damaged(reinterpret_cast<const char *>(*alias), static_cast<size_t>(aliasSize));
  damaged[6] = 9;  // another layout version
  ASSERT_EQ(AEPutParamPtr(&event.desc, keyDirectObject, typeAlias, damaged.data(), aliasSize),
            noErr);
  EXPECT_EQ(send(event), paramErr);
  DisposeHandle(reinterpret_cast<Handle>(alias));
}

}  // namespace
