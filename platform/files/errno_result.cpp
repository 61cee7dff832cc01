#include "platform/files/errno_result.hpp"

#include "platform/core/result_codes.h"

#include <cerrno>

namespace vigil::files {

OSErr ResultFromErrno(int error) {
  switch (error) {
    case 0: return noErr;
    case ENOENT: return fnfErr;
    case ENOTDIR: return dirNFErr;
    case EISDIR: return notAFileErr;
    case EACCES:
    case EPERM: return afpAccessDenied;
    case EROFS: return wPrErr;
    case ENOSPC:
    case EDQUOT: return dskFulErr;
    case EEXIST:
    case ENOTEMPTY: return dupFNErr;
    case ENAMETOOLONG:
    case EINVAL: return bdNamErr;
    case EBUSY:
    case ETXTBSY: return fBsyErr;
    case EMFILE:
    case ENFILE: return tmfoErr;
    case ENOMEM: return memFullErr;
    case EXDEV: return badMovErr;
    case ELOOP: return fnfErr;
    default: return ioErr;
  }
}

}  // namespace vigil::files
