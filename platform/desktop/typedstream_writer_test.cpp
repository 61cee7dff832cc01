#include "platform/desktop/typedstream_writer.hpp"

#include "platform/desktop/typedstream_reader.hpp"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vigil {
namespace {

using namespace std::string_view_literals;

// The pieces are literals with the sv suffix, which keeps their NUL bytes.
std::vector<std::uint8_t> Bytes(std::initializer_list<std::string_view> pieces) {
  std::vector<std::uint8_t> bytes;
  for (std::string_view piece : pieces) bytes.insert(bytes.end(), piece.begin(), piece.end());
  return bytes;
}

TEST(TypedstreamWriter, WritesThePlatformArchiverBytes) {
  ArchivedDictionary dictionary;
  dictionary.Set("a", 1);
  dictionary.Set("b", std::string("h\xC3\xA9"));
  dictionary.Set("c", 1);
  dictionary.Set("d", -200);
  dictionary.Set("e", 70000);

  // Shared strings: 0 "@", 1 NSMutableDictionary, 2 NSDictionary, 3 NSObject, 4 "i",
  // 5 NSString, 6 "+", 7 NSNumber, 8 NSValue, 9 "*". Objects: 0 the dictionary,
  // 1..3 its classes, 4 "a", 5 NSString, 6 the number 1, 7 NSNumber, 8 NSValue,
  // 9 the C string "i", 10 "b", 11 its value, 12 "c", 13 "d", 14 -200, 15 "e",
  // 16 70000. Reference i is the byte i - 110.
  const std::vector<std::uint8_t> expected = Bytes({
      "\x04\x0B" "streamtyped" "\x81\xE8\x03"sv,                   // header, system version 1000
      "\x84\x01@"sv,                                                // group "@"
      "\x84"sv,                                                     // the dictionary
      "\x84\x84\x13" "NSMutableDictionary" "\x00"sv,                // its class chain
      "\x84\x84\x0C" "NSDictionary" "\x00"sv,
      "\x84\x84\x08" "NSObject" "\x00"sv,
      "\x85"sv,                                                     // nil after the root class
      "\x84\x01i" "\x05"sv,                                         // group "i": 5 entries
      "\x92" "\x84" "\x84\x84\x08" "NSString" "\x01" "\x95"sv,      // "a": NSString v1, then NSObject
      "\x84\x01+" "\x01" "a" "\x86"sv,
      "\x92" "\x84" "\x84\x84\x08" "NSNumber" "\x00"sv,             // 1: NSNumber v0
      "\x84\x84\x07" "NSValue" "\x00" "\x95"sv,                     // NSValue v0, then NSObject
      "\x84\x01*" "\x84\x96"sv,                                     // group "*": new C string "i"
      "\x96" "\x01" "\x86"sv,                                       // group "i": 1
      "\x92" "\x84\x97\x98" "\x01" "b" "\x86"sv,                    // "b": class and "+" by reference
      "\x92" "\x84\x97\x98" "\x03" "h\xC3\xA9" "\x86"sv,            // "hé" as UTF-8
      "\x92" "\x84\x97\x98" "\x01" "c" "\x86"sv,
      "\x92" "\x98"sv,                                              // 1 again: the number object 6
      "\x92" "\x84\x97\x98" "\x01" "d" "\x86"sv,
      "\x92" "\x84\x99\x9B\x9B\x96" "\x81\x38\xFF" "\x86"sv,        // -200 in two bytes
      "\x92" "\x84\x97\x98" "\x01" "e" "\x86"sv,
      "\x92" "\x84\x99\x9B\x9B\x96" "\x82\x70\x11\x01\x00" "\x86"sv,  // 70000 in four bytes
      "\x86"sv,                                                     // end of the dictionary
  });
  EXPECT_EQ(Archive(dictionary), expected);
}

// The fifteen settings of a document, in the order in which the document stores them.
ArchivedDictionary SettingsDocument() {
  ArchivedDictionary settings;
  settings.Set("kSendAnEmailCheckBoxKey", 1);
  settings.Set("kBeepCheckBoxKey", 0);
  settings.Set("kRevealTargetCheckBoxKey", 1);
  settings.Set("kCheckItemCountChangeCheckBoxKey", 1);
  settings.Set("kCheckModificationDateChangeCheckBoxKey", 0);
  settings.Set("kStopCheckingForChangesCheckBoxKey", -1);
  settings.Set("kCheckTimeIntervalUnitsPopupKey", 2);
  settings.Set("kCheckTimeIntervalTextFieldKey", std::string("1"));
  settings.Set("kEMailAddressTextFieldKey", std::string(""));
  settings.Set("kEMailMessageTextFieldKey", std::string("Der Ordner hat sich ge\xC3\xA4ndert.\n") +
                                                std::string(300, 'x'));
  settings.Set("kTextFieldFilePathKey", std::string("/home/user/Drop Box"));
  settings.Set("kOpenFilePath1TextFieldKey", std::string("/home/user/a.txt"));
  settings.Set("kOpenFilePath2TextFieldKey", std::string("/home/user/b.txt"));
  settings.Set("kOpenFilesCheckBoxKey", 0);
  settings.Set("kStartWhenDocumentCheckBoxKey", 1);
  return settings;
}

TEST(TypedstreamWriter, RoundTripsEverySettingWithItsKind) {
  const ArchivedDictionary settings = SettingsDocument();
  const auto decoded = Unarchive(Archive(settings));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(*decoded, settings);  // same keys, order, values and value kinds
  ASSERT_EQ(decoded->size(), 15u);
  EXPECT_TRUE(std::holds_alternative<std::int32_t>(*decoded->Find("kStartWhenDocumentCheckBoxKey")));
  EXPECT_TRUE(std::holds_alternative<std::string>(*decoded->Find("kCheckTimeIntervalTextFieldKey")));
}

TEST(TypedstreamWriter, RoundTripsLargeDictionariesAndExtremeValues) {
  // Hundreds of entries need object and shared-string references beyond one byte.
  ArchivedDictionary dictionary;
  dictionary.Set("min", std::numeric_limits<std::int32_t>::min());
  dictionary.Set("max", std::numeric_limits<std::int32_t>::max());
  for (int i = -400; i < 400; ++i) {
    dictionary.Set("number " + std::to_string(i), i * 97);
    dictionary.Set("text " + std::to_string(i), std::string(static_cast<std::size_t>(i + 400), 'a'));
  }
  dictionary.Set(std::string("nul\0inside", 10), std::string("\0\xFF", 2));
  const auto decoded = Unarchive(Archive(dictionary));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(*decoded, dictionary);
}

TEST(TypedstreamWriter, EmptyDictionary) {
  const auto archive = Archive(ArchivedDictionary{});
  const auto decoded = Unarchive(archive);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_TRUE(decoded->empty());
}

}  // namespace
}  // namespace vigil
