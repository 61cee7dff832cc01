#include "platform/core/result_codes.h"
#include "platform/files/alias_record_format.hpp"
#include "platform/files/alias_records.h"
#include "platform/files/catalog.h"
#include "platform/files/file_uris.hpp"
#include "platform/memory/handles.h"
#include "platform/memory/zones.h"
#include "tests/support/temp_folder.hpp"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using vigil::testing::TempFolder;

FSRef RefOf(const std::string &path) {
  FSRef ref{};
  EXPECT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8 *>(path.c_str()), &ref, nullptr), noErr)
      << path;
  return ref;
}

std::string PathOf(const FSRef &ref) {
  UInt8 buffer[4096];
  if (FSRefMakePath(&ref, buffer, sizeof buffer) != noErr) return "<error>";
  return reinterpret_cast<const char *>(buffer);
}

// An alias handle that disposes of itself.
struct Alias {
  AliasHandle handle = nullptr;
  ~Alias() { DisposeHandle(reinterpret_cast<Handle>(handle)); }
  std::span<const UInt8> bytes() const {
    return {reinterpret_cast<const UInt8 *>(*handle),
            static_cast<size_t>(GetHandleSize(reinterpret_cast<Handle>(handle)))};
  }
};

struct Resolved {
  OSErr error;
  std::string path;
  bool changed;
};

Resolved Resolve(const Alias &alias, const FSRef *fromFile = nullptr) {
  FSRef target{};
  Boolean changed = 2;
  const OSErr error = FSResolveAlias(fromFile, alias.handle, &target, &changed);
  return {error, error == noErr ? PathOf(target) : "", changed != 0};
}

TEST(AliasRecords, RecordHoldsTheItemAndResolvesToIt) {
  TempFolder temp;
  const std::string file = temp.File("docs/report.txt", "x");
  const FSRef ref = RefOf(file);
  Alias alias;
  ASSERT_EQ(FSNewAlias(nullptr, &ref, &alias.handle), noErr);
  EXPECT_EQ((**alias.handle).userType, 0u);
  const auto bytes = alias.bytes();
  ASSERT_GE(bytes.size(), vigil::files::kAliasRecordHeaderSize);
  EXPECT_EQ(bytes[4] << 8 | bytes[5], static_cast<int>(bytes.size()));  // big-endian size
  const auto contents = vigil::files::DecodeAliasRecord(bytes);
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->absolutePath, file);
  EXPECT_EQ(contents->relativePath, "");
  EXPECT_FALSE(contents->volumeName.empty());

  const Resolved resolved = Resolve(alias);
  EXPECT_EQ(resolved.error, noErr);
  EXPECT_EQ(resolved.path, file);
  EXPECT_FALSE(resolved.changed);
}

TEST(AliasRecords, RelativePathFindsAnItemMovedWithItsOrigin) {
  TempFolder temp;
  const std::string target = temp.File("project/data/table.csv", "1,2");
  const std::string origin = temp.File("project/links/alias", "");
  const FSRef targetRef = RefOf(target);
  const FSRef originRef = RefOf(origin);
  Alias alias;
  ASSERT_EQ(FSNewAlias(&originRef, &targetRef, &alias.handle), noErr);
  EXPECT_EQ(vigil::files::DecodeAliasRecord(alias.bytes())->relativePath, "../data/table.csv");

  std::filesystem::rename(temp / "project", temp / "moved");
  const FSRef movedOrigin = RefOf(temp / "moved/links/alias");
  const Resolved resolved = Resolve(alias, &movedOrigin);
  EXPECT_EQ(resolved.error, noErr);
  EXPECT_EQ(resolved.path, temp / "moved/data/table.csv");
  EXPECT_TRUE(resolved.changed);
  // Without the origin only the absolute path is left, and nothing is there.
  EXPECT_EQ(Resolve(alias).error, fnfErr);
}

TEST(AliasRecords, ReplacedItemIsTakenOnlyWhenOfTheSameKind) {
  TempFolder temp;
  const std::string file = temp.File("note.txt", "old");
  const FSRef ref = RefOf(file);
  Alias alias;
  ASSERT_EQ(FSNewAlias(nullptr, &ref, &alias.handle), noErr);

  // Saved the way editors save: a new file renamed over the old one.
  temp.File("note.new", "new");
  std::filesystem::rename(temp / "note.new", file);
  Resolved resolved = Resolve(alias);
  EXPECT_EQ(resolved.error, noErr);
  EXPECT_EQ(resolved.path, file);
  EXPECT_TRUE(resolved.changed);

  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  EXPECT_EQ(Resolve(alias).error, fnfErr);
  std::filesystem::remove(file);
  EXPECT_EQ(Resolve(alias).error, fnfErr);
}

TEST(AliasRecords, FolderRelativeToItself) {
  TempFolder temp;
  const std::string folder = temp.Folder("watched");
  const FSRef ref = RefOf(folder);
  Alias alias;
  ASSERT_EQ(FSNewAlias(&ref, &ref, &alias.handle), noErr);
  EXPECT_EQ(vigil::files::DecodeAliasRecord(alias.bytes())->relativePath, "watched");
  EXPECT_EQ(Resolve(alias).path, folder);
}

TEST(AliasRecords, Errors) {
  TempFolder temp;
  const std::string file = temp.File("gone.txt");
  const FSRef ref = RefOf(file);
  AliasHandle handle = reinterpret_cast<AliasHandle>(1);
  EXPECT_EQ(FSNewAlias(nullptr, nullptr, &handle), paramErr);
  EXPECT_EQ(FSNewAlias(nullptr, &ref, nullptr), paramErr);
  FSRef foreign{};
  EXPECT_EQ(FSNewAlias(nullptr, &foreign, &handle), paramErr);
  EXPECT_EQ(handle, nullptr);
  EXPECT_EQ(FSNewAlias(&foreign, &ref, &handle), paramErr);

  const Size limit = ZoneGetLimit(ApplicationZone());
  ZoneSetLimit(ApplicationZone(), ZoneBytesInUse(ApplicationZone()));
  EXPECT_EQ(FSNewAlias(nullptr, &ref, &handle), memFullErr);
  ZoneSetLimit(ApplicationZone(), limit);
  EXPECT_EQ(handle, nullptr);

  std::filesystem::remove(file);
  EXPECT_EQ(FSNewAlias(nullptr, &ref, &handle), fnfErr);

  FSRef target{};
  EXPECT_EQ(FSResolveAlias(nullptr, nullptr, &target, nullptr), paramErr);
}

TEST(AliasRecords, DamagedRecordsAreRefused) {
  TempFolder temp;
  const FSRef ref = RefOf(temp.File("item"));
  Alias alias;
  ASSERT_EQ(FSNewAlias(nullptr, &ref, &alias.handle), noErr);
  const std::vector<UInt8> good(alias.bytes().begin(), alias.bytes().end());
  const auto refused = [](std::vector<UInt8> bytes) {
    return !vigil::files::DecodeAliasRecord(bytes).has_value();
  };
  EXPECT_FALSE(refused(good));
  std::vector<UInt8> bytes = good;
  bytes[7] = 2;  // another version
  EXPECT_TRUE(refused(bytes));
  bytes = good;
  bytes.pop_back();  // shorter than its size says
  EXPECT_TRUE(refused(bytes));
  bytes = good;
  bytes[5] -= 1;  // size says one byte less than the parts hold
  EXPECT_TRUE(refused(bytes));
  bytes = good;
  bytes[28] = 0xFF;  // absolute path longer than the record
  EXPECT_TRUE(refused(bytes));
  EXPECT_TRUE(refused(std::vector<UInt8>(good.begin(), good.begin() + 10)));

  // Through the public call, a damaged handle answers paramErr.
  (*reinterpret_cast<UInt8 **>(alias.handle))[7] = 9;
  EXPECT_EQ(Resolve(alias).error, paramErr);
}

TEST(FileUris, PercentEncodesAllButUnreservedAndSlash) {
  EXPECT_EQ(vigil::files::FileUriFromPath("/home/a b/Ünï%#?.txt"),
            "file:///home/a%20b/%C3%9Cn%C3%AF%25%23%3F.txt");
  EXPECT_EQ(vigil::files::FileUriFromPath("/A-z_0.9~"), "file:///A-z_0.9~");
}

}  // namespace
