// The platform's file-system result code for a POSIX error number.
#pragma once

#include "platform/core/base_types.h"

namespace vigil::files {

OSErr ResultFromErrno(int error);

}  // namespace vigil::files
