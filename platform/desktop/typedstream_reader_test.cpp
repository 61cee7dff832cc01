#include "platform/desktop/typedstream_reader.hpp"

#include <bit>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vigil {
namespace {

// Builds archives byte by byte, so that each test spells out what the platform's
// archiver would have written: tags, integers in either byte order, and table
// indexes counted by hand.
class Stream {
 public:
  explicit Stream(bool big_endian = false) : big_endian_(big_endian) {}

  Stream& Header(std::uint8_t version = 4) {
    bytes_.push_back(version);
    bytes_.push_back(11);
    return Text(big_endian_ ? "typedstream" : "streamtyped").Int(1000);
  }
  Stream& Byte(std::uint8_t byte) {
    bytes_.push_back(byte);
    return *this;
  }
  Stream& New() { return Byte(0x84); }
  Stream& Nil() { return Byte(0x85); }
  Stream& End() { return Byte(0x86); }
  Stream& Text(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
  }
  Stream& Fixed(std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) {
      const int shift = 8 * (big_endian_ ? width - 1 - i : i);
      bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    return *this;
  }
  Stream& Int(std::int64_t value) {
    if (value >= -110 && value <= 127) return Byte(static_cast<std::uint8_t>(value));
    if (value >= -32768 && value <= 32767) return Byte(0x81).Fixed(static_cast<std::uint64_t>(value), 2);
    return Byte(0x82).Fixed(static_cast<std::uint64_t>(value), 4);
  }
  Stream& Ref(std::int64_t index) { return Int(index - 110); }
  Stream& Unshared(std::string_view text) { return Int(static_cast<std::int64_t>(text.size())).Text(text); }
  Stream& NewShared(std::string_view text) { return New().Unshared(text); }
  Stream& NewClass(std::string_view name, int version) { return New().NewShared(name).Int(version); }

  std::optional<ArchivedDictionary> Decode() const { return Unarchive(bytes_); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  bool big_endian_;
  std::vector<std::uint8_t> bytes_;
};

// Shared strings and objects of the prefix written by RootDictionary.
constexpr int kObjectEncoding = 0, kIntEncoding = 4;
constexpr int kObjectClass = 3;

// Header, the root group and a mutable dictionary of count entries, up to its
// first entry. Shared strings: 0 "@", 1..3 the class names, 4 "i". Objects: 0 the
// dictionary, 1 NSMutableDictionary, 2 NSDictionary, 3 NSObject.
Stream RootDictionary(std::int64_t count, bool big_endian = false) {
  Stream stream(big_endian);
  stream.Header().NewShared("@").New();
  stream.NewClass("NSMutableDictionary", 0).NewClass("NSDictionary", 0).NewClass("NSObject", 0).Nil();
  stream.NewShared("i").Int(count);
  return stream;
}

TEST(TypedstreamReader, ReadsBigEndianArchiveWithReferences) {
  Stream stream = RootDictionary(4, /*big_endian=*/true);
  // Shared strings from 5: "NSString", "+", "NSNumber", "NSValue", "*".
  // Objects from 4: key, NSString, number, NSNumber, NSValue, C string "i".
  stream.Ref(kObjectEncoding).New().NewClass("NSString", 1).Ref(kObjectClass)
      .NewShared("+").Unshared("kCheckTimeIntervalUnitsPopupKey").End();
  stream.Ref(kObjectEncoding).New().NewClass("NSNumber", 0).NewClass("NSValue", 0).Ref(kObjectClass)
      .NewShared("*").New().Ref(kIntEncoding).Ref(kIntEncoding).Int(300).End();
  // A second key reuses the class NSString (object 5) and "+" (shared string 6);
  // its value is the number object 6 again.
  stream.Ref(kObjectEncoding).New().Ref(5).Ref(6).Unshared("kBeepCheckBoxKey").End();
  stream.Ref(kObjectEncoding).Ref(6);
  // A third key with a new number that reuses NSNumber (7) and the C string (9).
  stream.Ref(kObjectEncoding).New().Ref(5).Ref(6).Unshared("kOpenFilesCheckBoxKey").End();
  stream.Ref(kObjectEncoding).New().Ref(7).Ref(9).Ref(9).Ref(kIntEncoding).Int(-70000).End();
  // The fourth key's value is the first key's string object (4).
  stream.Ref(kObjectEncoding).New().Ref(5).Ref(6).Unshared("kTextFieldFilePathKey").End();
  stream.Ref(kObjectEncoding).Ref(4);
  stream.End();

  const auto dictionary = stream.Decode();
  ASSERT_TRUE(dictionary.has_value());
  ArchivedDictionary expected;
  expected.Set("kCheckTimeIntervalUnitsPopupKey", 300);
  expected.Set("kBeepCheckBoxKey", 300);
  expected.Set("kOpenFilesCheckBoxKey", -70000);
  expected.Set("kTextFieldFilePathKey", std::string("kCheckTimeIntervalUnitsPopupKey"));
  EXPECT_EQ(*dictionary, expected);
}

TEST(TypedstreamReader, ReadsUnknownSubclassesOfKnownClasses) {
  Stream stream(false);
  // Root: a subclass of NSMutableDictionary it does not know.
  stream.Header().NewShared("@").New();
  stream.NewClass("MyDictionary", 7).NewClass("NSMutableDictionary", 0).NewClass("NSDictionary", 0)
      .NewClass("NSObject", 0).Nil();  // objects 1..4, shared strings 1..4
  stream.NewShared("i").Int(2);        // shared string 5
  // Key: NSMutableString (object 6) under NSString (7); its value an unknown
  // string class (9) whose chain ends at the NSMutableString read before.
  stream.Ref(0).New().NewClass("NSMutableString", 1).NewClass("NSString", 1).Ref(4)
      .NewShared("+").Unshared("kEMailAddressTextFieldKey").End();  // "+" is shared string 8
  stream.Ref(0).New().NewClass("NSCFString", 0).Ref(6).Ref(8).Unshared("me@example.org").End();
  // Second entry: key of the unknown string class (9), an unknown number subclass.
  stream.Ref(0).New().Ref(9).Ref(8).Unshared("kBeepCheckBoxKey").End();
  stream.Ref(0).New().NewClass("MyNumber", 2).NewClass("NSNumber", 0).NewClass("NSValue", 0).Ref(4)
      .NewShared("*").New().Ref(5).Ref(5).Int(1).End();
  stream.End();

  const auto dictionary = stream.Decode();
  ASSERT_TRUE(dictionary.has_value());
  ArchivedDictionary expected;
  expected.Set("kEMailAddressTextFieldKey", std::string("me@example.org"));
  expected.Set("kBeepCheckBoxKey", 1);
  EXPECT_EQ(*dictionary, expected);
}

// One entry "n" whose value is a number of the given encoding and value bytes.
Stream NumberArchive(std::string_view encoding, const std::vector<std::uint8_t>& value,
                     bool big_endian = false) {
  Stream stream = RootDictionary(1, big_endian);
  stream.Ref(kObjectEncoding).New().NewClass("NSString", 1).Ref(kObjectClass).NewShared("+").Unshared("n").End();
  stream.Ref(kObjectEncoding).New().NewClass("NSNumber", 0).NewClass("NSValue", 0).Ref(kObjectClass)
      .NewShared("*").New().NewShared(encoding).Ref(10);  // the encoding is shared string 10
  for (std::uint8_t byte : value) stream.Byte(byte);
  stream.End().End();
  return stream;
}

TEST(TypedstreamReader, ConvertsOtherNumberEncodingsAsIntValueDoes) {
  const auto float_bytes = [](float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    return std::vector<std::uint8_t>{0x83, std::uint8_t(bits), std::uint8_t(bits >> 8),
                                     std::uint8_t(bits >> 16), std::uint8_t(bits >> 24)};
  };
  const auto double_bytes = [](double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::vector<std::uint8_t> bytes{0x83};
    for (int i = 0; i < 8; ++i) bytes.push_back(std::uint8_t(bits >> (8 * i)));
    return bytes;
  };
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const struct {
    std::string_view encoding;
    std::vector<std::uint8_t> value;
    std::int32_t expected;
  } cases[] = {
      {"c", {0xFF}, -1},  // a raw byte, no head
      {"C", {0xFF}, 255},
      {"s", {0x81, 0xFF, 0xFF}, -1},
      {"S", {0x81, 0xFF, 0xFF}, 65535},
      {"S", {0x82, 0xFF, 0xFF, 0x01, 0x00}, 65535},  // wider than the type: its low bits
      {"i", {0x82, 0x00, 0x00, 0x00, 0x80}, kMin},
      {"l", {0x9C}, -100},
      {"I", {0x82, 0xFF, 0xFF, 0xFF, 0xFF}, -1},
      {"L", {0x81, 0x00, 0x01}, 256},
      {"q", {0x05}, 5},
      {"Q", {0x82, 0x00, 0x00, 0x01, 0x00}, 65536},
      {"f", float_bytes(2.9f), 2},
      {"f", float_bytes(-2.9f), -2},
      {"d", double_bytes(59.99), 59},
      {"d", double_bytes(1e20), kMax},
      {"d", double_bytes(-1e20), kMin},
      {"d", double_bytes(std::numeric_limits<double>::quiet_NaN()), 0},
      {"d", {0x07}, 7},  // a plain integer where a real is expected
      {"f", {0x81, 0x2C, 0x01}, 300},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.encoding << " case expecting " << c.expected);
    const auto dictionary = NumberArchive(c.encoding, c.value).Decode();
    ASSERT_TRUE(dictionary.has_value());
    ASSERT_EQ(dictionary->size(), 1u);
    const auto* value = dictionary->Find("n");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(std::get<std::int32_t>(*value), c.expected);
  }
}

TEST(TypedstreamReader, ReadsRealsInBigEndianOrder) {
  const auto bits = std::bit_cast<std::uint64_t>(-12.75);
  std::vector<std::uint8_t> value{0x83};
  for (int i = 7; i >= 0; --i) value.push_back(std::uint8_t(bits >> (8 * i)));
  const auto dictionary = NumberArchive("d", value, /*big_endian=*/true).Decode();
  ASSERT_TRUE(dictionary.has_value());
  EXPECT_EQ(std::get<std::int32_t>(*dictionary->Find("n")), -12);
}

TEST(TypedstreamReader, LaterEntryForTheSameKeyReplacesTheValue) {
  Stream stream = RootDictionary(2);
  stream.Ref(kObjectEncoding).New().NewClass("NSString", 1).Ref(kObjectClass).NewShared("+").Unshared("k").End();
  stream.Ref(kObjectEncoding).New().Ref(5).Ref(6).Unshared("first").End();
  stream.Ref(kObjectEncoding).Ref(4);  // the same key object
  stream.Ref(kObjectEncoding).New().Ref(5).Ref(6).Unshared("second").End();
  stream.End();
  const auto dictionary = stream.Decode();
  ASSERT_TRUE(dictionary.has_value());
  ASSERT_EQ(dictionary->size(), 1u);
  EXPECT_EQ(std::get<std::string>(*dictionary->Find("k")), "second");
}

TEST(TypedstreamReader, AnswersNothingForMalformedArchives) {
  // Each case is a valid prefix up to the first entry, then one fault.
  const auto with_key = [](std::int64_t count = 1) {
    Stream stream = RootDictionary(count);
    stream.Ref(kObjectEncoding).New().NewClass("NSString", 1).Ref(kObjectClass).NewShared("+").Unshared("k").End();
    return stream.Ref(kObjectEncoding);  // objects 4 key, 5 NSString; shared 5, 6
  };
  const auto string_root = [] {
    Stream stream;
    stream.Header().NewShared("@").New().NewClass("NSString", 1).NewClass("NSObject", 0).Nil();
    return stream.NewShared("+").Unshared("text").End();
  };
  const struct {
    const char* name;
    Stream stream;
  } cases[] = {
      {"empty", Stream()},
      {"streamer version 3", Stream().Header(3)},
      {"unknown signature", Stream().Byte(4).Byte(11).Text("streamtypes").Int(1000)},
      {"signature of another length", Stream().Byte(4).Byte(10).Text("streamtype").Int(1000)},
      {"root group not an object", Stream().Header().NewShared("i").Int(1)},
      {"nil root", Stream().Header().NewShared("@").Nil()},
      {"root a reference", Stream().Header().NewShared("@").Ref(0)},
      {"root a string", string_root()},
      {"object without class", Stream().Header().NewShared("@").New().Nil()},
      {"root class unknown", Stream().Header().NewShared("@").New().NewClass("NSArray", 0).Nil()},
      {"root class NSValue only", Stream().Header().NewShared("@").New().NewClass("NSValue", 0).Nil()},
      {"class chain referencing itself", Stream().Header().NewShared("@").New().NewClass("MyDictionary", 0).Ref(1)},
      {"negative count", RootDictionary(-1).End()},
      {"count beyond the entries", RootDictionary(0x7FFFFFFF).End()},
      {"missing end of dictionary", RootDictionary(0)},
      {"bad tag for end", RootDictionary(0).Byte(0x87)},
      {"nil key", RootDictionary(1).Ref(kObjectEncoding).Nil()},
      {"number key", RootDictionary(1).Ref(kObjectEncoding).New().NewClass("NSNumber", 0)
                         .NewClass("NSValue", 0).Ref(kObjectClass).NewShared("*").New().Ref(kIntEncoding)
                         .Ref(kIntEncoding).Int(1).End()},
      {"nil value", with_key().Nil()},
      {"value a reference to the dictionary itself", with_key().Ref(0)},
      {"value a reference to a class", with_key().Ref(5)},
      {"value a forward reference", with_key().Ref(6)},
      {"value a reference far beyond", with_key().Int(0x7FFFFFFF)},
      {"nested dictionary value", with_key().New().Ref(1).Ref(kIntEncoding).Int(0).End()},
      {"string with a huge length", with_key().New().Ref(5).Ref(6).Byte(0x82).Fixed(0x7FFFFFFF, 4)},
      {"string with a negative length", with_key().New().Ref(5).Ref(6).Int(-5).Text("abcde")},
      {"string with a real length", with_key().New().Ref(5).Ref(6).Byte(0x83).Text("abcd")},
      {"string contents of the wrong type", with_key().New().Ref(5).Ref(kIntEncoding).Int(1).End()},
      {"string missing its end", with_key().New().Ref(5).Ref(6).Unshared("v").Byte(0x85)},
      {"shared string reference forward", with_key().New().Ref(5).Ref(7).Unshared("v").End()},
      {"unused tag as a head", with_key().Byte(0x80)},
      {"number without type", with_key().New().NewClass("NSNumber", 0).NewClass("NSValue", 0).Ref(kObjectClass)
                                  .NewShared("*").Nil()},
      {"number of another group type", with_key().New().NewClass("NSNumber", 0).NewClass("NSValue", 0)
                                           .Ref(kObjectClass).NewShared("*").New().Ref(kIntEncoding).NewShared("s").Int(1).End()},
      {"number of a struct encoding", NumberArchive("{ii}", {0x01, 0x02})},
      {"number of a pointer encoding", NumberArchive("^i", {0x01})},
      {"number of an unknown scalar", NumberArchive("B", {0x01})},
      {"integer number with a real tag", NumberArchive("i", {0x83, 0, 0, 0, 0})},
      {"C string referring to a string object", with_key().New().NewClass("NSNumber", 0).NewClass("NSValue", 0)
                                                    .Ref(kObjectClass).NewShared("*").Ref(4)},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(c.stream.Decode().has_value()) << c.name;
  }
}

TEST(TypedstreamReader, AnswersNothingForEveryTruncation) {
  Stream stream = RootDictionary(2, /*big_endian=*/true);
  stream.Ref(kObjectEncoding).New().NewClass("NSString", 1).Ref(kObjectClass).NewShared("+").Unshared("path").End();
  stream.Ref(kObjectEncoding).New().Ref(5).Ref(6).Unshared(std::string(200, 'x')).End();
  stream.Ref(kObjectEncoding).New().Ref(5).Ref(6).Unshared("unit").End();
  stream.Ref(kObjectEncoding).New().NewClass("NSNumber", 0).NewClass("NSValue", 0).Ref(kObjectClass)
      .NewShared("*").New().NewShared("d").Ref(10).Byte(0x83).Fixed(std::bit_cast<std::uint64_t>(2.0), 8).End();
  stream.End();
  const auto& whole = stream.bytes();
  ASSERT_TRUE(Unarchive(whole).has_value());
  for (std::size_t length = 0; length < whole.size(); ++length) {
    EXPECT_FALSE(Unarchive(std::span(whole).first(length)).has_value()) << length;
  }
}

TEST(TypedstreamReader, AnswersNothingForDeepNesting) {
  Stream stream;
  stream.Header().NewShared("@").New().NewClass("NSMutableDictionary", 0).NewClass("NSDictionary", 0)
      .NewClass("NSObject", 0).Nil().NewShared("i").Int(1);
  for (int depth = 0; depth < 100000; ++depth) {
    stream.Ref(kObjectEncoding).New().Ref(1).Ref(kIntEncoding).Int(1);
  }
  EXPECT_FALSE(stream.Decode().has_value());
}

TEST(TypedstreamReader, BoundsTheTextCopiedThroughReferences) {
  // One long string referenced as the value of many keys would take gigabytes.
  constexpr int kKeys = 20000;
  Stream stream = RootDictionary(kKeys);
  stream.Ref(kObjectEncoding).New().NewClass("NSString", 1).Ref(kObjectClass).NewShared("+")
      .Unshared(std::string(65536, 'x')).End();  // object 4, class 5, "+" shared 6
  stream.Ref(kObjectEncoding).Ref(4);
  for (int key = 1; key < kKeys; ++key) {
    stream.Ref(kObjectEncoding).New().Ref(5).Ref(6).Unshared(std::to_string(key)).End();
    stream.Ref(kObjectEncoding).Ref(4);
  }
  stream.End();
  EXPECT_FALSE(stream.Decode().has_value());
}

}  // namespace
}  // namespace vigil
