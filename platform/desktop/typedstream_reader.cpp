#include "platform/desktop/typedstream_reader.hpp"

#include "platform/desktop/typedstream_format.hpp"

#include <bit>
#include <cmath>
#include <limits>
#include <new>
#include <string_view>
#include <vector>

namespace vigil {
namespace {

using namespace typedstream;

// Thrown inside the reader for every malformed byte, caught by Unarchive.
struct Malformed {};

[[noreturn]] void Fail() { throw Malformed{}; }

// What a class chain comes down to: the nearest class in it that the reader knows.
enum class ClassKind : std::uint8_t { kOther, kDictionary, kString, kNumber };

ClassKind KindOfClassNamed(std::string_view name) {
  if (name == kDictionaryClass.name || name == kMutableDictionaryClass.name) {
    return ClassKind::kDictionary;
  }
  if (name == kStringClass.name || name == kMutableStringClass.name) return ClassKind::kString;
  if (name == kNumberClass.name) return ClassKind::kNumber;
  return ClassKind::kOther;
}

// One entry of the object table: objects, classes and C strings share its numbers.
// Texts are views into the archive, which outlives the reader.
struct Slot {
  enum class Type : std::uint8_t { kPending, kClass, kCString, kString, kNumber };
  Type type = Type::kPending;
  ClassKind class_kind = ClassKind::kOther;
  std::int32_t number = 0;
  std::string_view text;
};

// The platform's intValue of a floating-point number: truncated toward zero. Values
// beyond the 32-bit range saturate and NaN gives 0, where a plain cast would be
// undefined.
std::int32_t IntValueOfReal(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data)
      : data_(data), copy_budget_(kCopyBudgetPerByte * data.size() + kCopyBudgetBase) {}

  ArchivedDictionary ReadRootDictionary() {
    ReadHeader();
    ExpectGroup(kObjectEncoding);
    if (ReadHead() != kTagNew) Fail();  // nil, or a reference to nothing yet
    AddSlot();  // stays pending: a reference to the root from inside it is malformed
    if (ReadClass() != ClassKind::kDictionary) Fail();
    ArchivedDictionary dictionary = ReadDictionaryContents();
    ExpectEndOfObject();
    return dictionary;
  }

 private:
  // A string referenced many times is copied into the result each time; this caps
  // the copies at a multiple of the archive's size, far above what real documents
  // reuse.
  static constexpr std::size_t kCopyBudgetPerByte = 16;
  static constexpr std::size_t kCopyBudgetBase = 4096;

  std::span<const std::uint8_t> Take(std::size_t count) {
    if (count > data_.size() - position_) Fail();
    const auto bytes = data_.subspan(position_, count);
    position_ += count;
    return bytes;
  }

  std::uint8_t ReadByte() { return Take(1)[0]; }
  std::int8_t ReadHead() { return static_cast<std::int8_t>(ReadByte()); }

  // An unsigned number of 2, 4 or 8 bytes in the stream's byte order.
  std::uint64_t ReadFixed(std::size_t width) {
    std::uint64_t value = 0;
    const auto bytes = Take(width);
    for (std::size_t i = 0; i < width; ++i) {
      const std::uint8_t byte = big_endian_ ? bytes[i] : bytes[width - 1 - i];
      value = (value << 8) | byte;
    }
    return value;
  }

  std::int64_t ReadIntegerAfterHead(std::int8_t head) {
    if (head == kTagInt16) return static_cast<std::int16_t>(ReadFixed(2));
    if (head == kTagInt32) return static_cast<std::int32_t>(ReadFixed(4));
    if (head >= kLowestTag && head <= kHighestTag) Fail();
    return head;
  }

  std::int64_t ReadInteger() { return ReadIntegerAfterHead(ReadHead()); }

  // A reference number (its head already read) as an index into a table of size.
  std::size_t ReadReferenceAfterHead(std::int8_t head, std::size_t table_size) {
    const std::int64_t index = ReadIntegerAfterHead(head) - kFirstReference;
    if (index < 0 || static_cast<std::uint64_t>(index) >= table_size) Fail();
    return static_cast<std::size_t>(index);
  }

  void ReadHeader() {
    if (ReadByte() != kStreamerVersion) Fail();
    if (ReadByte() != kLittleEndianSignature.size()) Fail();
    const auto signature = Take(kLittleEndianSignature.size());
    const std::string_view text(reinterpret_cast<const char*>(signature.data()), signature.size());
    if (text == kBigEndianSignature) {
      big_endian_ = true;
    } else if (text != kLittleEndianSignature) {
      Fail();
    }
    ReadInteger();  // the system version: any value is accepted
  }

  // Raw bytes with their length before them; nil reads as an empty text.
  std::string_view ReadUnsharedString() {
    const std::int8_t head = ReadHead();
    if (head == kTagNil) return {};
    const std::int64_t length = ReadIntegerAfterHead(head);
    if (length < 0) Fail();
    const auto bytes = Take(static_cast<std::size_t>(length));
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
  }

  // Type encodings and class names: new ones join the shared-string table. Nil is
  // never valid where this reader expects one.
  std::string_view ReadSharedString() {
    const std::int8_t head = ReadHead();
    if (head == kTagNil) Fail();
    if (head == kTagNew) return shared_strings_.emplace_back(ReadUnsharedString());
    return shared_strings_[ReadReferenceAfterHead(head, shared_strings_.size())];
  }

  void ExpectGroup(std::string_view encoding) {
    if (ReadSharedString() != encoding) Fail();
  }

  void ExpectEndOfObject() {
    if (ReadHead() != kTagEndOfObject) Fail();
  }

  std::size_t AddSlot() {
    objects_.emplace_back();
    return objects_.size() - 1;
  }

  // A slot written earlier and complete: a reference to itself or to an object
  // still being read is malformed.
  const Slot& ReadReferencedSlot(std::int8_t head, Slot::Type type) {
    const Slot& slot = objects_[ReadReferenceAfterHead(head, objects_.size())];
    if (slot.type != type) Fail();
    return slot;
  }

  // A class chain: new classes, subclass first, ending with nil after a root class
  // or with a reference to a class read earlier. The answer is the kind of the
  // first class, which is the nearest class of the chain that the reader knows.
  ClassKind ReadClass() {
    struct NewClass {
      std::size_t slot;
      ClassKind own_kind;
    };
    std::vector<NewClass> chain;
    ClassKind inherited = ClassKind::kOther;
    for (;;) {
      const std::int8_t head = ReadHead();
      if (head == kTagNil) {
        if (chain.empty()) Fail();  // an object without a class
        break;
      }
      if (head != kTagNew) {
        inherited = ReadReferencedSlot(head, Slot::Type::kClass).class_kind;
        break;
      }
      const std::size_t slot = AddSlot();
      const std::string_view name = ReadSharedString();
      ReadInteger();  // the class version; the contents read here do not vary with it
      chain.push_back({slot, KindOfClassNamed(name)});
    }
    for (auto link = chain.rbegin(); link != chain.rend(); ++link) {
      if (link->own_kind != ClassKind::kOther) inherited = link->own_kind;
      objects_[link->slot].type = Slot::Type::kClass;
      objects_[link->slot].class_kind = inherited;
    }
    return inherited;
  }

  // A C string: nil, a new one that takes an object number, or a reference.
  std::string_view ReadCString() {
    const std::int8_t head = ReadHead();
    if (head == kTagNil) Fail();
    if (head != kTagNew) return ReadReferencedSlot(head, Slot::Type::kCString).text;
    const std::string_view text = ReadSharedString();
    Slot& slot = objects_[AddSlot()];
    slot.type = Slot::Type::kCString;
    slot.text = text;
    return text;
  }

  std::int32_t ReadNumberContents() {
    ExpectGroup(kCStringEncoding);
    const std::string_view encoding = ReadCString();
    ExpectGroup(encoding);
    if (encoding.size() != 1) Fail();
    switch (encoding[0]) {
      case 'c': return static_cast<std::int8_t>(ReadByte());
      case 'C': return ReadByte();
      case 's': return static_cast<std::int16_t>(ReadInteger());
      case 'S': return static_cast<std::uint16_t>(ReadInteger());
      case 'i': case 'l': case 'q': case 'I': case 'L': case 'Q':
        // At most 32 bits are written; unsigned values keep their bits.
        return static_cast<std::int32_t>(ReadInteger());
      case 'f': case 'd': {
        const std::int8_t head = ReadHead();
        if (head != kTagFloat) return IntValueOfReal(static_cast<double>(ReadIntegerAfterHead(head)));
        if (encoding[0] == 'f') {
          return IntValueOfReal(std::bit_cast<float>(static_cast<std::uint32_t>(ReadFixed(4))));
        }
        return IntValueOfReal(std::bit_cast<double>(ReadFixed(8)));
      }
      default: Fail();
    }
  }

  // A dictionary key or value: a string or a number, new or written before.
  Slot ReadLeafObject() {
    const std::int8_t head = ReadHead();
    if (head == kTagNil) Fail();
    if (head != kTagNew) {
      const Slot& slot = objects_[ReadReferenceAfterHead(head, objects_.size())];
      if (slot.type != Slot::Type::kString && slot.type != Slot::Type::kNumber) Fail();
      return slot;
    }
    const std::size_t index = AddSlot();
    Slot leaf;
    switch (ReadClass()) {
      case ClassKind::kString:
        ExpectGroup(kBytesEncoding);
        leaf.type = Slot::Type::kString;
        leaf.text = ReadUnsharedString();
        break;
      case ClassKind::kNumber:
        leaf.type = Slot::Type::kNumber;
        leaf.number = ReadNumberContents();
        break;
      default:  // a nested dictionary or another class is not a settings value
        Fail();
    }
    ExpectEndOfObject();
    objects_[index] = leaf;
    return leaf;
  }

  std::string CopyText(std::string_view text) {
    if (text.size() > copy_budget_) Fail();
    copy_budget_ -= text.size();
    return std::string(text);
  }

  ArchivedDictionary ReadDictionaryContents() {
    ExpectGroup(kIntEncoding);
    const std::int64_t count = ReadInteger();
    if (count < 0) Fail();
    ArchivedDictionary dictionary;
    // Every entry takes bytes of the archive, so a false count ends at its end.
    for (std::int64_t i = 0; i < count; ++i) {
      ExpectGroup(kObjectEncoding);
      const Slot key = ReadLeafObject();
      if (key.type != Slot::Type::kString) Fail();
      std::string key_text = CopyText(key.text);
      ExpectGroup(kObjectEncoding);
      const Slot value = ReadLeafObject();
      if (value.type == Slot::Type::kNumber) {
        dictionary.Set(std::move(key_text), value.number);
      } else {
        dictionary.Set(std::move(key_text), CopyText(value.text));
      }
    }
    return dictionary;
  }

  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
  bool big_endian_ = false;
  std::size_t copy_budget_;
  std::vector<std::string_view> shared_strings_;
  std::vector<Slot> objects_;
};

}  // namespace

std::optional<ArchivedDictionary> Unarchive(std::span<const std::uint8_t> data) {
  try {
    return Reader(data).ReadRootDictionary();
  } catch (const Malformed&) {
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace vigil
