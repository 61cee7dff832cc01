#include "platform/files/folder_entries.hpp"

#include "platform/files/errno_result.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace vigil::files {
namespace detail {
namespace {

// One read brings in a few thousand entries; the buffer is the same whatever the
// folder's size.
constexpr size_t kBufferSize = 256 * 1024;

struct KernelDirent64 {
  uint64_t d_ino;
  int64_t d_off;
  unsigned short d_reclen;
  unsigned char d_type;
  char d_name[];
};

}  // namespace

FolderReader::FolderReader(const std::string &folderPath)
    : buffer_(static_cast<char *>(std::malloc(kBufferSize))) {
  if (buffer_ == nullptr) {
    error_ = ResultFromErrno(ENOMEM);
    return;
  }
  fd_ = open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) error_ = ResultFromErrno(errno);
}

FolderReader::~FolderReader() {
  if (fd_ >= 0) close(fd_);
  std::free(buffer_);
}

bool FolderReader::Next(FolderEntry &entry) {
  if (fd_ < 0) return false;
  if (offset_ >= filled_) {
    const long read = syscall(SYS_getdents64, fd_, buffer_, kBufferSize);
    if (read < 0) {
      error_ = ResultFromErrno(errno);
      return false;
    }
    if (read == 0) return false;
    filled_ = static_cast<size_t>(read);
    offset_ = 0;
  }
  const auto *record = reinterpret_cast<const KernelDirent64 *>(buffer_ + offset_);
  offset_ += record->d_reclen;
  entry.name = std::string_view(record->d_name);
  entry.inode = static_cast<ino_t>(record->d_ino);
  entry.type = record->d_type;
  return true;
}

}  // namespace detail

OSErr CountFolderEntries(const std::string &folderPath, UInt32 *count) {
  UInt32 entries = 0;
  const OSErr error = ForEachFolderEntry(folderPath, [&entries](const FolderEntry &) {
    ++entries;
    return true;
  });
  if (error == 0) *count = entries;
  return error;
}

}  // namespace vigil::files
