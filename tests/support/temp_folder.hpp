// A temporary folder for tests, removed with everything in it at the end.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vigil::testing {

class TempFolder {
 public:
  TempFolder() {
    const char *base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
                          "/vigil-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    // The canonical form, so that paths compare equal to what the file layer answers.
    path_ = std::filesystem::canonical(pattern).string();
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;

  const std::string &path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

  // Creates a file (and its folders) with the given contents; answers its path.
  std::string File(std::string_view name, std::string_view contents = "") const {
    const std::string file = *this / name;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    std::ofstream(file, std::ios::binary) << contents;
    return file;
  }

  std::string Folder(std::string_view name) const {
    const std::string folder = *this / name;
    std::filesystem::create_directories(folder);
    return folder;
  }

 private:
  std::string path_;
};

}  // namespace vigil::testing
