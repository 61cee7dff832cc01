#include "lib/format/formatted_output.h"

#include <cstdarg>

#include "lib/format/digits.hpp"
#include "lib/format/format_engine.hpp"

namespace {

// Arguments from a variadic list, read as 32-bit words and pointers.
class VaListSource {
 public:
  explicit VaListSource(va_list args) { va_copy(args_, args); }
  ~VaListSource() { va_end(args_); }
  VaListSource(const VaListSource &) = delete;
  VaListSource &operator=(const VaListSource &) = delete;

  UInt32 NextWord() { return va_arg(args_, unsigned int); }
  SInt32 NextInt() { return va_arg(args_, int); }
  const char *NextCString() { return va_arg(args_, const char *); }
  const unsigned char *NextPString() { return va_arg(args_, const unsigned char *); }

 private:
  va_list args_;
};

}  // namespace

extern "C" char *NumberToString(UInt32 value, SInt32 base, char pad, SInt32 width, SInt32 precision,
                                Boolean upperCase, char *dst) {
  return vigil::format::WriteNumberField(value, base, pad, width, precision, upperCase != 0, dst);
}

extern "C" SInt32 StringToNumber(const char *str, char **end, SInt32 base) {
  const char *stop = nullptr;
  const SInt32 value = vigil::format::ReadNumber(str, &stop, base);
  if (end) *end = const_cast<char *>(stop);
  return value;
}

extern "C" void ExpandFormat(char *dst, const char *format, va_list args) {
  VaListSource source(args);
  vigil::format::UnboundedSink sink(dst);
  vigil::format::Expand(format, source, sink);
}

extern "C" SInt32 SPrintF(char *dst, const char *format, ...) {
  if (!dst || !format) return -1;
  va_list args;
  va_start(args, format);
  vigil::format::UnboundedSink sink(dst);
  {
    VaListSource source(args);
    vigil::format::Expand(format, source, sink);
  }
  va_end(args);
  return static_cast<SInt32>(sink.Length());
}
