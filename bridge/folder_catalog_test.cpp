#include "bridge/folder_catalog.h"

#include "platform/core/result_codes.h"
#include "platform/files/catalog.h"
#include "tests/support/temp_folder.hpp"

#include <sys/stat.h>
#include <sys/time.h>

#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace {

using vigil::testing::TempFolder;

class FolderCatalogTest : public ::testing::Test {
 protected:
  // The triple of the folder at a path, through the same two calls the watch makes.
  OSStatus SpecOf(const std::string &path, FSSpec *fileSpec, FSRef *ref = nullptr) {
    CFStringRef string = CFStringCreateWithCString(nullptr, path.c_str(), kCFStringEncodingUTF8);
    FSRef local{};
    FSRef *out = ref != nullptr ? ref : &local;
    const OSStatus result = NSStringPathToFSRef(string, out);
    CFRelease(string);
    if (result == noErr) {
      EXPECT_EQ(FSRefMakeFSSpec(out, fileSpec), noErr);
    }
    return result;
  }

  UInt32 Count(const std::string &path) {
    FSSpec fileSpec{};
    EXPECT_EQ(SpecOf(path, &fileSpec), noErr);
    UInt32 count = 12345;
    EXPECT_EQ(FSpCountItems(&fileSpec, &count), noErr);
    return count;
  }

  TempFolder temp;
};

TEST_F(FolderCatalogTest, CountsEntriesDirectlyInTheFolder) {
  EXPECT_EQ(Count(temp.path()), 0u) << "empty folder";
  temp.File("visible.txt");
  temp.File(".hidden");
  EXPECT_EQ(Count(temp.path()), 2u) << "hidden items count";
  temp.File("sub/inner1");
  temp.File("sub/inner2");
  EXPECT_EQ(Count(temp.path()), 3u) << "a subfolder is one item, its contents are not counted";
  temp.File("._visible.txt");
  temp.File("._sub");
  EXPECT_EQ(Count(temp.path()), 3u) << "companion files belong to their items";
  temp.File("..dots");
  EXPECT_EQ(Count(temp.path()), 4u) << "only \"._\" marks a companion";
}

TEST_F(FolderCatalogTest, PathToReferenceResolvesLinksAndRefusesNothing) {
  const std::string folder = temp.Folder("real");
  std::filesystem::create_directory_symlink(folder, temp / "link");
  FSRef viaLink{}, direct{};
  FSSpec fileSpec{};
  ASSERT_EQ(SpecOf(temp / "link", &fileSpec, &viaLink), noErr);
  ASSERT_EQ(SpecOf(folder, &fileSpec, &direct), noErr);
  EXPECT_EQ(std::memcmp(&viaLink, &direct, sizeof direct), 0) << "the link stands for its folder";
  EXPECT_EQ(std::string(reinterpret_cast<char *>(fileSpec.name + 1), fileSpec.name[0]), "real");

  FSRef ref{};
  EXPECT_EQ(SpecOf("", &fileSpec), paramErr) << "empty path";
  EXPECT_EQ(SpecOf(temp / "missing", &fileSpec), paramErr);
  EXPECT_EQ(NSStringPathToFSRef(nullptr, &ref), paramErr);
  CFStringRef string = CFStringCreateWithCString(nullptr, "/", kCFStringEncodingUTF8);
  EXPECT_EQ(NSStringPathToFSRef(string, nullptr), paramErr);
  CFRelease(string);

  // A link whose target is gone still names an item: the link itself.
  std::filesystem::create_symlink(temp / "gone", temp / "dangling");
  EXPECT_EQ(SpecOf(temp / "dangling", &fileSpec), noErr);
  EXPECT_EQ(std::string(reinterpret_cast<char *>(fileSpec.name + 1), fileSpec.name[0]), "dangling");
}

TEST_F(FolderCatalogTest, DatesComeFromTheFolderAndOutputsAreOptional) {
  const std::string folder = temp.Folder("dated");
  // 2001-09-09 01:46:40 UTC
  const timeval times[2] = {{1'000'000'000, 0}, {1'000'000'000, 250'000}};
  ASSERT_EQ(utimes(folder.c_str(), times), 0);
  FSSpec fileSpec{};
  ASSERT_EQ(SpecOf(folder, &fileSpec), noErr);

  UInt32 created = 0, modified = 0;
  ASSERT_EQ(FSpGetDateSeconds(&fileSpec, &created, &modified), noErr);
  struct tm local {};
  const time_t when = 1'000'000'000;
  localtime_r(&when, &local);
  EXPECT_EQ(modified, 1'000'000'000u + 2'082'844'800u + local.tm_gmtoff);
  EXPECT_NE(created, 0u);
  EXPECT_EQ(FSpGetDateSeconds(&fileSpec, nullptr, nullptr), noErr);

  DateTimeRecord modifiedDate{};
  ASSERT_EQ(FSpGetDate(&fileSpec, nullptr, &modifiedDate), noErr);
  EXPECT_EQ(modifiedDate.year, local.tm_year + 1900);
  EXPECT_EQ(modifiedDate.minute, local.tm_min);

  SInt64 nanoseconds = 0;
  ASSERT_EQ(FSpGetModificationNanoseconds(&fileSpec, &nanoseconds), noErr);
  EXPECT_EQ(nanoseconds, 1'000'000'000'250'000'000LL);
}

TEST_F(FolderCatalogTest, FailedQueriesWriteNothing) {
  const std::string folder = temp.Folder("doomed");
  FSSpec fileSpec{};
  ASSERT_EQ(SpecOf(folder, &fileSpec), noErr);
  std::filesystem::remove(folder);
  UInt32 count = 7, created = 8, modified = 9;
  SInt64 nanoseconds = 10;
  EXPECT_EQ(FSpCountItems(&fileSpec, &count), fnfErr);
  EXPECT_EQ(FSpGetDateSeconds(&fileSpec, &created, &modified), fnfErr);
  EXPECT_EQ(FSpGetModificationNanoseconds(&fileSpec, &nanoseconds), fnfErr);
  EXPECT_EQ(count, 7u);
  EXPECT_EQ(created, 8u);
  EXPECT_EQ(modified, 9u);
  EXPECT_EQ(nanoseconds, 10);
  EXPECT_EQ(FSpCountItems(nullptr, &count), paramErr);
}

TEST_F(FolderCatalogTest, CatalogRecordOfAFolderByTriple) {
  temp.File("box/one");
  FSSpec fileSpec{};
  ASSERT_EQ(SpecOf(temp / "box", &fileSpec), noErr);
  CInfoPBRec block{};
  ASSERT_EQ(FSpGetCatInfo(&fileSpec, &block), noErr);
  EXPECT_TRUE(block.dirInfo.ioFlAttrib & ioDirMask);
  EXPECT_EQ(block.dirInfo.ioDrNmFls, 1);
  EXPECT_EQ(block.dirInfo.ioDrParID, +fileSpec.parID);

  CInfoPBRec byName{};
  ASSERT_EQ(FSGetCatInfo(fileSpec.vRefNum, fileSpec.parID, fileSpec.name, &byName), noErr);
  EXPECT_EQ(byName.dirInfo.ioDrDirID, block.dirInfo.ioDrDirID);
}

}  // namespace
