#include "platform/desktop/atomic_file.hpp"

#include "tests/support/temp_folder.hpp"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace vigil {
namespace {

namespace fs = std::filesystem;

std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, std::string_view contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

mode_t ModeOf(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0);
  return status.st_mode & 07777;
}

// Runs a check in a child process (for limits, identities and mounts that must
// not touch the test process) and answers its exit status: 0 when the check held,
// kSkip when the machine cannot set up the situation.
constexpr int kSkip = 77;

int RunInChild(const std::function<int()>& check) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) ::_exit(check());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// In a child: a user and mount namespace of its own, where it may mount file
// systems that only it sees.
bool EnterPrivateMounts() {
  const uid_t uid = ::geteuid();
  const gid_t gid = ::getegid();
  if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
  const auto write = [](const char* file, const std::string& text) {
    std::ofstream out(file);
    out << text;
    out.close();
    return !out.fail();
  };
  return write("/proc/self/setgroups", "deny") &&
         write("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") &&
         write("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1") &&
         ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Runs a check in a child that has a 64 KiB file system of its own mounted at
// mount_point, and gives it the path of a document there.
int RunOnSmallDisk(const fs::path& mount_point, const std::function<int(const fs::path&)>& check) {
  fs::create_directory(mount_point);
  return RunInChild([&] {
    if (!EnterPrivateMounts() ||
        ::mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=64k") != 0) {
      return kSkip;
    }
    return check(mount_point / "doc.vigil");
  });
}

// What a failed save must leave: the expected error naming the file, the old
// contents, and no temporary file. Reported on stderr so a child can use it.
bool FailedCleanly(const std::optional<FileWriteError>& error, int expected_errno,
                   const fs::path& file, std::string_view old_contents) {
  std::ostringstream problems;
  if (!error) {
    problems << "the save succeeded";
  } else {
    if (error->error_number != expected_errno) {
      problems << "errno " << error->error_number << " (" << error->message << ") ";
    }
    if (error->message.find(file.string()) == std::string::npos) {
      problems << "message without the file: " << error->message << ' ';
    }
  }
  if (ReadFile(file) != old_contents) problems << "old contents lost ";
  if (Names(file.parent_path()) != std::set<std::string>{file.filename()}) {
    problems << "other files left in the folder ";
  }
  if (!problems.str().empty()) std::fprintf(stderr, "%s\n", problems.str().c_str());
  return problems.str().empty();
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Reachable by the unprivileged identity that some tests take.
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  }

  vigil::testing::TempFolder temp_;
  const fs::path folder_{temp_.path()};
};

TEST_F(AtomicFileTest, CreatesANewFileWithTheUmaskPermissions) {
  const fs::path file = folder_ / "new.vigil";
  const mode_t saved_umask = ::umask(027);
  const auto error = WriteFileAtomically(file, AsBytes("settings"));
  ::umask(saved_umask);
  ASSERT_FALSE(error.has_value()) << error->message;
  EXPECT_EQ(ReadFile(file), "settings");
  EXPECT_EQ(ModeOf(file), 0640u);
  EXPECT_EQ(Names(folder_), std::set<std::string>{"new.vigil"});
}

TEST_F(AtomicFileTest, ReplacesTheFileAndKeepsItsPermissions) {
  const fs::path file = folder_ / "doc.vigil";
  WriteFile(file, "old settings, longer than the new ones");
  ASSERT_EQ(::chmod(file.c_str(), 0604), 0);
  const auto error = WriteFileAtomically(file, AsBytes("new"));
  ASSERT_FALSE(error.has_value()) << error->message;
  EXPECT_EQ(ReadFile(file), "new");
  EXPECT_EQ(ModeOf(file), 0604u);
  EXPECT_EQ(Names(folder_), std::set<std::string>{"doc.vigil"});

  ASSERT_FALSE(WriteFileAtomically(file, {}).has_value());  // an empty document is a document
  EXPECT_EQ(ReadFile(file), "");
}

TEST_F(AtomicFileTest, KeepsTheOwnerWhenTheProcessMay) {
  if (::geteuid() != 0) GTEST_SKIP() << "only a privileged process may give files away";
  const fs::path file = folder_ / "theirs.vigil";
  WriteFile(file, "old");
  ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
  ASSERT_EQ(::chmod(file.c_str(), 02664), 0);
  ASSERT_FALSE(WriteFileAtomically(file, AsBytes("new")).has_value());
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, 65534u);
  EXPECT_EQ(status.st_gid, 65534u);
  EXPECT_EQ(status.st_mode & 07777, 02664u);
}

TEST_F(AtomicFileTest, WritesThroughASymbolicLinkAndKeepsIt) {
  fs::create_directory(folder_ / "real");
  const fs::path file = folder_ / "real" / "doc.vigil";
  const fs::path link = folder_ / "link.vigil";
  WriteFile(file, "old");
  fs::create_symlink(file, link);
  ASSERT_FALSE(WriteFileAtomically(link, AsBytes("new")).has_value());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFile(file), "new");
  EXPECT_EQ(Names(folder_ / "real"), std::set<std::string>{"doc.vigil"});
}

TEST_F(AtomicFileTest, RefusesWhatItMustNotReplace) {
  const fs::path locked = folder_ / "locked.vigil";
  WriteFile(locked, "locked");
  ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
  fs::create_directory(folder_ / "a folder");
  const fs::path missing = folder_ / "no such folder" / "doc.vigil";

  const auto locked_error = WriteFileAtomically(locked, AsBytes("new"));
  ASSERT_TRUE(locked_error.has_value());
  EXPECT_EQ(locked_error->error_number, EACCES);
  EXPECT_EQ(ReadFile(locked), "locked");

  const auto folder_error = WriteFileAtomically(folder_ / "a folder", AsBytes("new"));
  ASSERT_TRUE(folder_error.has_value());
  EXPECT_EQ(folder_error->error_number, EISDIR);
  EXPECT_TRUE(fs::is_directory(folder_ / "a folder"));

  const auto missing_error = WriteFileAtomically(missing, AsBytes("new"));
  ASSERT_TRUE(missing_error.has_value());
  EXPECT_EQ(missing_error->error_number, ENOENT);
  EXPECT_NE(missing_error->message.find(missing.string()), std::string::npos) << missing_error->message;

  EXPECT_EQ(Names(folder_), (std::set<std::string>{"a folder", "locked.vigil"}));
}

TEST_F(AtomicFileTest, ReadOnlyFolderKeepsTheOldFile) {
  const fs::path read_only = folder_ / "read-only";
  fs::create_directory(read_only);
  const fs::path file = read_only / "doc.vigil";
  WriteFile(file, "old");
  ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(read_only.c_str(), 0555), 0);
  const int status = RunInChild([&] {
    // A privileged process writes anywhere: take the identity of nobody.
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return kSkip;
    return FailedCleanly(WriteFileAtomically(file, AsBytes("new")), EACCES, file, "old") ? 0 : 1;
  });
  ASSERT_EQ(::chmod(read_only.c_str(), 0755), 0);  // so that the folder can be removed
  if (status == kSkip) GTEST_SKIP() << "cannot drop privileges";
  EXPECT_EQ(status, 0);
}

TEST_F(AtomicFileTest, ShortWriteKeepsTheOldFile) {
  const fs::path file = folder_ / "doc.vigil";
  WriteFile(file, "old");
  const int status = RunInChild([&] {
    // The size limit cuts the write short; its signal would end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return kSkip;
    const std::string contents(64 * 1024, 'x');
    return FailedCleanly(WriteFileAtomically(file, AsBytes(contents)), EFBIG, file, "old") ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
}

TEST_F(AtomicFileTest, FullDiskKeepsTheOldFile) {
  const int status = RunOnSmallDisk(folder_ / "disk", [](const fs::path& file) {
    if (WriteFileAtomically(file, AsBytes("old")).has_value()) return 2;
    const std::string contents(1024 * 1024, 'x');
    return FailedCleanly(WriteFileAtomically(file, AsBytes(contents)), ENOSPC, file, "old") ? 0 : 1;
  });
  if (status == kSkip) GTEST_SKIP() << "cannot mount a private file system here";
  EXPECT_EQ(status, 0);
}

TEST_F(AtomicFileTest, ReadOnlyFileSystemKeepsTheOldFile) {
  const int status = RunOnSmallDisk(folder_ / "disk", [](const fs::path& file) {
    WriteFile(file, "old");
    const fs::path disk = file.parent_path();
    if (::mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) return kSkip;
    return FailedCleanly(WriteFileAtomically(file, AsBytes("new")), EROFS, file, "old") ? 0 : 1;
  });
  if (status == kSkip) GTEST_SKIP() << "cannot mount a private file system here";
  EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace vigil
