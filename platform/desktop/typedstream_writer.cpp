#include "platform/desktop/typedstream_writer.hpp"

#include "platform/desktop/typedstream_format.hpp"

#include <algorithm>
#include <limits>
#include <span>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <variant>

namespace vigil {
namespace {

using namespace typedstream;

// Class chains, subclass first, down to the root class.
constexpr ArchivedClass kDictionaryChain[] = {kMutableDictionaryClass, kDictionaryClass, kObjectClass};
constexpr ArchivedClass kStringChain[] = {kStringClass, kObjectClass};
constexpr ArchivedClass kNumberChain[] = {kNumberClass, kValueClass, kObjectClass};

class Writer {
 public:
  std::vector<std::uint8_t> Write(const ArchivedDictionary& dictionary) {
    WriteHeader();
    WriteSharedString(kObjectEncoding);
    BeginObject(kDictionaryChain);
    WriteSharedString(kIntEncoding);
    WriteInteger(static_cast<std::int64_t>(dictionary.size()));
    for (const auto& [key, value] : dictionary) {
      WriteSharedString(kObjectEncoding);
      WriteStringObject(key);
      WriteSharedString(kObjectEncoding);
      if (const auto* number = std::get_if<std::int32_t>(&value)) {
        WriteNumberObject(*number);
      } else {
        WriteStringObject(std::get<std::string>(value));
      }
    }
    WriteHead(kTagEndOfObject);
    return std::move(out_);
  }

 private:
  void WriteHead(std::int8_t head) { out_.push_back(static_cast<std::uint8_t>(head)); }

  void WriteLittleEndian(std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }

  // Small values are their own head byte; others take the 2- or 4-byte tag.
  void WriteInteger(std::int64_t value) {
    if (value >= kHighestTag + 1 && value <= std::numeric_limits<std::int8_t>::max()) {
      WriteHead(static_cast<std::int8_t>(value));
    } else if (value >= std::numeric_limits<std::int16_t>::min() &&
               value <= std::numeric_limits<std::int16_t>::max()) {
      WriteHead(kTagInt16);
      WriteLittleEndian(static_cast<std::uint32_t>(value), 2);
    } else {
      WriteHead(kTagInt32);
      WriteLittleEndian(static_cast<std::uint32_t>(value), 4);
    }
  }

  void WriteReference(std::size_t index) {
    WriteInteger(static_cast<std::int64_t>(index) + kFirstReference);
  }

  void WriteHeader() {
    out_.push_back(kStreamerVersion);
    out_.push_back(static_cast<std::uint8_t>(kLittleEndianSignature.size()));
    for (char letter : kLittleEndianSignature) out_.push_back(static_cast<std::uint8_t>(letter));
    WriteInteger(kSystemVersion);
  }

  void WriteUnsharedString(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
      throw std::length_error("text too long for a typedstream archive");
    }
    WriteInteger(static_cast<std::int64_t>(text.size()));
    out_.insert(out_.end(), text.begin(), text.end());
  }

  void WriteSharedString(std::string_view text) {
    // A handful of encodings and class names: a list searched in order will do.
    const auto known = std::find(shared_strings_.begin(), shared_strings_.end(), text);
    if (known != shared_strings_.end()) {
      return WriteReference(static_cast<std::size_t>(known - shared_strings_.begin()));
    }
    WriteHead(kTagNew);
    WriteUnsharedString(text);
    shared_strings_.push_back(text);
  }

  std::size_t TakeObjectNumber() { return next_object_++; }

  // Each class not written before, then nil after the root class or a reference to
  // the first class of the chain written before.
  void WriteClassChain(std::span<const ArchivedClass> chain) {
    for (const ArchivedClass& archived_class : chain) {
      if (const auto known = classes_.find(archived_class.name); known != classes_.end()) {
        return WriteReference(known->second);
      }
      WriteHead(kTagNew);
      classes_.emplace(archived_class.name, TakeObjectNumber());
      WriteSharedString(archived_class.name);
      WriteInteger(archived_class.version);
    }
    WriteHead(kTagNil);
  }

  void BeginObject(std::span<const ArchivedClass> chain) {
    WriteHead(kTagNew);
    TakeObjectNumber();
    WriteClassChain(chain);
  }

  void WriteStringObject(std::string_view text) {
    BeginObject(kStringChain);
    WriteSharedString(kBytesEncoding);
    WriteUnsharedString(text);
    WriteHead(kTagEndOfObject);
  }

  // On the platform equal small integers are one shared number object, so the
  // archiver writes a repeated value as a reference to the first.
  void WriteNumberObject(std::int32_t value) {
    if (const auto known = numbers_.find(value); known != numbers_.end()) {
      return WriteReference(known->second);
    }
    WriteHead(kTagNew);
    numbers_.emplace(value, TakeObjectNumber());
    WriteClassChain(kNumberChain);
    WriteSharedString(kCStringEncoding);
    WriteCString(kIntEncoding);
    WriteSharedString(kIntEncoding);
    WriteInteger(value);
    WriteHead(kTagEndOfObject);
  }

  void WriteCString(std::string_view text) {
    if (const auto known = c_strings_.find(text); known != c_strings_.end()) {
      return WriteReference(known->second);
    }
    WriteHead(kTagNew);
    WriteSharedString(text);
    c_strings_.emplace(text, TakeObjectNumber());
  }

  std::vector<std::uint8_t> out_;
  std::vector<std::string_view> shared_strings_;
  std::unordered_map<std::string_view, std::size_t> classes_;
  std::unordered_map<std::string_view, std::size_t> c_strings_;
  std::unordered_map<std::int32_t, std::size_t> numbers_;
  std::size_t next_object_ = 0;
};

}  // namespace

std::vector<std::uint8_t> Archive(const ArchivedDictionary& dictionary) {
  return Writer().Write(dictionary);
}

}  // namespace vigil
