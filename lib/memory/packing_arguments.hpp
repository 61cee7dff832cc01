// The arguments of a packing call, taken in format order. The unpacking walks are
// templates over this interface so that a fuzzer can feed them arguments that it
// makes up, as a caller's variable argument list would.
#pragma once

#include <cstdarg>

#include "platform/core/base_types.h"

namespace vigil::memory {

class VaListArguments {
 public:
  explicit VaListArguments(va_list list) { va_copy(list_, list); }
  ~VaListArguments() { va_end(list_); }
  VaListArguments(const VaListArguments &) = delete;
  VaListArguments &operator=(const VaListArguments &) = delete;

  int Int() { return va_arg(list_, int); }
  UInt32 Unsigned() { return va_arg(list_, UInt32); }
  template <typename T>
  T *Pointer() {
    return va_arg(list_, T *);
  }

 private:
  va_list list_;
};

}  // namespace vigil::memory
