#include "platform/desktop/document.hpp"

#include "platform/desktop/atomic_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vigil::desktop {
namespace {

// A settings document is a few hundred bytes; anything far larger is not one.
constexpr std::size_t kMaxDocumentBytes = 16 * 1024 * 1024;

std::atomic<int> untitledCount{0};

std::string Quoted(const std::string &path) { return "\"" + path + "\""; }

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string &path, std::vector<std::uint8_t> *contents,
                                         std::size_t maxBytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return "cannot open " + Quoted(path) + ": " + std::strerror(errno);
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    const int error = S_ISDIR(status.st_mode) ? EISDIR : errno;
    close(fd);
    return "cannot read " + Quoted(path) + ": " + std::strerror(error != 0 ? error : EINVAL);
  }
  std::vector<std::uint8_t> data;
  std::uint8_t buffer[65536];
  while (true) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      close(fd);
      return "cannot read " + Quoted(path) + ": " + std::strerror(error);
    }
    if (got == 0) break;
    if (data.size() + static_cast<std::size_t>(got) > maxBytes) {
      close(fd);
      return Quoted(path) + " is too large to be a settings document";
    }
    data.insert(data.end(), buffer, buffer + got);
  }
  close(fd);
  *contents = std::move(data);
  return std::nullopt;
}

Document::Document() : untitledNumber_(++untitledCount) {}

std::string Document::displayName() const {
  if (fileName_.empty()) {
    return untitledNumber_ == 1 ? "Untitled" : "Untitled " + std::to_string(untitledNumber_);
  }
  std::filesystem::path name = std::filesystem::path(fileName_).filename();
  if (name.extension() == kExtension) name.replace_extension();
  return name.string();
}

std::optional<std::string> Document::readFromFile(const std::string &path) {
  std::vector<std::uint8_t> data;
  if (auto error = ReadWholeFile(path, &data, kMaxDocumentBytes)) return error;
  if (!loadDataRepresentation(data, kTypeName)) return Quoted(path) + " is not a settings document";
  fileName_ = path;
  edited_ = false;
  return std::nullopt;
}

std::optional<std::string> Document::writeTo(const std::string &path) {
  const std::vector<std::uint8_t> data = dataRepresentationOfType(kTypeName);
  if (auto error = WriteFileAtomically(path, data)) return error->message;
  return std::nullopt;
}

std::optional<std::string> Document::saveDocument() {
  if (fileName_.empty()) return "the document has no file yet: save it as a new file";
  auto error = writeTo(fileName_);
  if (!error) edited_ = false;
  return error;
}

std::optional<std::string> Document::saveDocumentAs(const std::string &path) {
  auto error = writeTo(path);
  if (!error) {
    fileName_ = path;
    edited_ = false;
  }
  return error;
}

}  // namespace vigil::desktop
