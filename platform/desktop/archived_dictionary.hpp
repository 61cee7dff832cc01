// The dictionary that a settings document archives: string keys, in the order they
// were first set, to values that are 32-bit integers or strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

namespace vigil {

// A value keeps its kind: a number archived as an integer stays an integer, a
// string stays a string, so the document can tell them apart.
using ArchivedValue = std::variant<std::int32_t, std::string>;

class ArchivedDictionary {
 public:
  using Entry = std::pair<std::string, ArchivedValue>;

  // Like a mutable dictionary's set: a new key goes last, an existing key keeps
  // its place and takes the new value.
  void Set(std::string key, ArchivedValue value);

  // The value under the key, or null when the key is missing.
  const ArchivedValue* Find(std::string_view key) const;

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
  std::vector<Entry>::const_iterator end() const { return entries_.end(); }

  // Equal when the same keys hold the same values in the same order.
  friend bool operator==(const ArchivedDictionary& a, const ArchivedDictionary& b) {
    return a.entries_ == b.entries_;
  }

 private:
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const {
      return std::hash<std::string_view>{}(key);
    }
  };

  std::vector<Entry> entries_;
  // Position of each key in entries_, so that long hostile archives with many
  // keys still decode in linear time.
  std::unordered_map<std::string, std::size_t, KeyHash, std::equal_to<>> positions_;
};

}  // namespace vigil
