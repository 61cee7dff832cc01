#include "platform/desktop/atomic_file.hpp"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <random>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vigil {
namespace {

namespace fs = std::filesystem;

// Takes the step as a view so that nothing runs between the failing call and the
// read of errno in the caller's argument list.
FileWriteError Failure(const fs::path& file, int error_number, std::string_view step) {
  return {error_number, "could not save \"" + file.string() + "\": " + std::string(step) + ": " +
                            std::system_category().message(error_number)};
}

// The file a path stands for: a symbolic link is followed, so that saving updates
// the linked file and keeps the link.
fs::path ResolveTarget(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  fs::path target = fs::weakly_canonical(path, error);
  return error ? path : target;
}

// The temporary file: closed, and removed unless it was renamed, when it goes out
// of scope.
class TemporaryFile {
 public:
  TemporaryFile() = default;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }

  // Creates a hidden file with a fresh name beside the target. The mode 0666 lets
  // the umask decide the permissions of a new document, as for any new file.
  int Create(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    std::minstd_rand random(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        (static_cast<unsigned>(::getpid()) << 16) ^ counter++));
    // Keeps the name within the usual 255-byte limit with the added prefix and suffix.
    std::string base = ".";
    base += target.filename().string().substr(0, 200);
    base += '.';
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = base;
      for (int i = 0; i < 8; ++i) name += kLetters[random() % kLetters.size()];
      const fs::path candidate = target.parent_path() / name;
      fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) {
        path_ = candidate;
        return 0;
      }
      if (errno != EEXIST) return errno;
    }
    return EEXIST;
  }

  int fd() const { return fd_; }
  const fs::path& path() const { return path_; }
  // close() reports late write errors of some file systems (NFS, quotas).
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }
  // After the rename the file is the document: it is no longer removed.
  void Release() { path_.clear(); }

 private:
  int fd_ = -1;
  fs::path path_;
};

// write() until everything is written; a short write is followed by the one that
// tells why (a full disk, a file size limit).
int WriteAll(int fd, std::span<const std::uint8_t> contents) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return EIO;
    contents = contents.subspan(static_cast<std::size_t>(written));
  }
  return 0;
}

// Makes the rename durable. A folder that cannot be opened for reading, or a file
// system that cannot flush folders (EINVAL), leaves nothing more to do.
int FlushFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  const int error = ::fsync(fd) != 0 && errno != EINVAL ? errno : 0;
  ::close(fd);
  return error;
}

}  // namespace

std::optional<FileWriteError> WriteFileAtomically(const fs::path& path,
                                                  std::span<const std::uint8_t> contents) {
  fs::path target = ResolveTarget(path);
  if (!target.has_filename()) return Failure(path, EISDIR, "the path names no file");
  if (!target.has_parent_path()) target = fs::path(".") / target;

  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (!replacing && errno != ENOENT) return Failure(path, errno, "cannot look at the file");
  if (replacing) {
    if (S_ISDIR(old.st_mode)) return Failure(path, EISDIR, "a folder is in its place");
    if (!S_ISREG(old.st_mode)) return Failure(path, EINVAL, "it is not a regular file");
    if ((old.st_mode & S_IWUSR) == 0) return Failure(path, EACCES, "the file is read-only");
  }

  TemporaryFile temporary;
  if (const int error = temporary.Create(target)) {
    const std::string step = "cannot create a temporary file in \"" + target.parent_path().string() + "\"";
    return Failure(path, error, step);
  }
  if (replacing) {
    // Only a privileged process may give a file away; anyone else keeps their own
    // ownership, as with any new file, so that refusal (EPERM) is not an error.
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(temporary.fd(), old.st_uid, old.st_gid) != 0 && errno != EPERM) {
      return Failure(path, errno, "cannot set the owner");
    }
    // After the owner: chown clears the set-user-ID and set-group-ID bits.
    if (::fchmod(temporary.fd(), old.st_mode & 07777) != 0) {
      return Failure(path, errno, "cannot set the permissions");
    }
  }
  if (const int error = WriteAll(temporary.fd(), contents)) {
    return Failure(path, error, "cannot write the temporary file");
  }
  if (::fsync(temporary.fd()) != 0) return Failure(path, errno, "cannot flush the file to disk");
  if (temporary.Close() != 0) return Failure(path, errno, "cannot write the temporary file");
  if (::rename(temporary.path().c_str(), target.c_str()) != 0) {
    return Failure(path, errno, "cannot replace the file");
  }
  temporary.Release();
  if (const int error = FlushFolder(target.parent_path())) {
    return Failure(path, error, "the file is replaced but its folder cannot be flushed to disk");
  }
  return std::nullopt;
}

}  // namespace vigil
