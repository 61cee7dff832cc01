// Saving a whole file so that it is either the old file or the new one, never a
// mixture, an empty file or nothing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace vigil {

struct FileWriteError {
  int error_number;     // the errno of the step that failed
  std::string message;  // names the file, the step and the reason
};

// Writes contents to a temporary file in the file's folder, flushes it to disk,
// renames it over the file and flushes the folder. On failure the file is as it
// was and the temporary file is gone. A file that exists keeps its permissions
// (and, where the process may set them, its owner and group); a new file gets
// those the umask allows. A symbolic link is kept and its target written. A file
// whose owner-write permission is off is read-only and is not replaced.
// Answers nothing on success.
std::optional<FileWriteError> WriteFileAtomically(const std::filesystem::path& path,
                                                  std::span<const std::uint8_t> contents);

}  // namespace vigil
