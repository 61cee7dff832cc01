// Feeds arbitrary bytes to the settings archive reader. Besides crashes, hangs and
// unbounded allocation, it checks that whatever the reader accepts, the writer
// writes in a form the reader gives back unchanged.
#include "platform/desktop/typedstream_reader.hpp"
#include "platform/desktop/typedstream_writer.hpp"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto dictionary = vigil::Unarchive({data, size});
  if (!dictionary) return 0;
  const auto again = vigil::Unarchive(vigil::Archive(*dictionary));
  if (!again || !(*again == *dictionary)) std::abort();
  return 0;
}
