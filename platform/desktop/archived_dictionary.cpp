#include "platform/desktop/archived_dictionary.hpp"

namespace vigil {

void ArchivedDictionary::Set(std::string key, ArchivedValue value) {
  if (const auto found = positions_.find(key); found != positions_.end()) {
    entries_[found->second].second = std::move(value);
    return;
  }
  positions_.emplace(key, entries_.size());
  entries_.emplace_back(std::move(key), std::move(value));
}

const ArchivedValue* ArchivedDictionary::Find(std::string_view key) const {
  const auto found = positions_.find(key);
  return found == positions_.end() ? nullptr : &entries_[found->second].second;
}

}  // namespace vigil
