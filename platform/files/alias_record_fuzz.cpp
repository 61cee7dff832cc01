// Alias records come from files and events: any bytes must either be refused or
// decode to contents that encode back to the same record.
#include "platform/files/alias_record_format.hpp"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const auto contents = vigil::files::DecodeAliasRecord({data, size});
  if (!contents) return 0;
  const auto encoded = vigil::files::EncodeAliasRecord(*contents);
  if (!encoded || encoded->size() > size) std::abort();
  // The encoder writes userType 0; everything after it must match.
  if (std::memcmp(encoded->data() + 4, data + 4, encoded->size() - 4) != 0) std::abort();
  return 0;
}
