#include "platform/core/result_codes.h"
#include "platform/files/aliases.h"
#include "platform/files/catalog.h"
#include "platform/files/item_locator.hpp"
#include "platform/files/url_references.h"
#include "tests/support/temp_folder.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace {

using vigil::testing::TempFolder;

std::string PathOf(const FSRef &ref) {
  UInt8 buffer[4096];
  if (FSRefMakePath(&ref, buffer, sizeof buffer) != noErr) return "<error>";
  return reinterpret_cast<const char *>(buffer);
}

FSRef RefOf(const std::string &path) {
  FSRef ref{};
  EXPECT_EQ(FSPathMakeRef(reinterpret_cast<const UInt8 *>(path.c_str()), &ref, nullptr), noErr)
      << path;
  return ref;
}

FSSpec SpecOf(const std::string &path) {
  FSSpec fileSpec{};
  FSRef ref = RefOf(path);
  EXPECT_EQ(FSGetCatalogInfo(&ref, kFSCatInfoNone, nullptr, nullptr, &fileSpec, nullptr), noErr);
  return fileSpec;
}

std::string NameOf(const FSSpec &fileSpec) {
  return std::string(reinterpret_cast<const char *>(fileSpec.name + 1), fileSpec.name[0]);
}

TEST(ItemLocator, RootVolumeIsMinusOneWithRootFolderIDs) {
  const FSSpec root = SpecOf("/");
  EXPECT_EQ(root.vRefNum, -1);
  EXPECT_EQ(+root.parID, fsRtParID);
  FSSpec back{};
  ASSERT_EQ(FSMakeFSSpec(-1, fsRtDirID, reinterpret_cast<const unsigned char *>("\x03" "etc"), &back),
            noErr);
  EXPECT_EQ(+back.parID, fsRtDirID);
}

TEST(ItemLocator, ReferencesAndTriplesRoundTrip) {
  TempFolder temp;
  const std::string file = temp.File("sub/report.txt", "x");
  const FSRef ref = RefOf(file);
  EXPECT_EQ(PathOf(ref), file);

  const FSSpec fileSpec = SpecOf(file);
  EXPECT_EQ(NameOf(fileSpec), "report.txt");
  EXPECT_GE(+fileSpec.parID, 16);
  FSRef again{};
  ASSERT_EQ(FSpMakeFSRef(&fileSpec, &again), noErr);
  EXPECT_EQ(std::memcmp(&ref, &again, sizeof ref), 0) << "equal items, equal bytes";
  EXPECT_EQ(FSCompareFSRefs(&ref, &again), noErr);
  const FSRef folderRef = RefOf(temp.path());
  EXPECT_EQ(FSCompareFSRefs(&ref, &folderRef), diffRefErr);

  // The folder's triple leads back to the same directory ID.
  const FSSpec folder = SpecOf(temp / "sub");
  CInfoPBRec block{};
  Str63 name;
  std::memcpy(name, folder.name, sizeof name);
  block.dirInfo.ioNamePtr = name;
  block.dirInfo.ioVRefNum = folder.vRefNum;
  block.dirInfo.ioDrDirID = folder.parID;
  ASSERT_EQ(PBGetCatInfoSync(&block), noErr);
  EXPECT_EQ(block.dirInfo.ioDrDirID, +fileSpec.parID);
}

TEST(ItemLocator, NamesExchangeColonAndSlashAndShortenWhatDoesNotFit) {
  TempFolder temp;
  struct Case {
    std::string posix;
    std::string expected;  // empty: a shortened form is expected
  } const cases[] = {
      {"a:b", "a/b"},
      {"caf\xC3\xA9", "caf\x8E"},            // é is 0x8E in the platform's character set
      {"snow\xE2\x98\x83.txt", ""},          // ☃ has no form there
      {std::string(70, 'n') + ".dat", ""},  // longer than 63 bytes
      {"bad\xFFutf8", ""},
  };
  for (const Case &c : cases) {
    const std::string file = temp.File(c.posix, "data");
    const FSSpec fileSpec = SpecOf(file);
    if (!c.expected.empty()) {
      EXPECT_EQ(NameOf(fileSpec), c.expected);
    } else {
      EXPECT_NE(NameOf(fileSpec).find('#'), std::string::npos) << NameOf(fileSpec);
      EXPECT_LE(fileSpec.name[0], 63);
    }
    FSRef ref{};
    ASSERT_EQ(FSpMakeFSRef(&fileSpec, &ref), noErr) << c.posix;
    EXPECT_EQ(PathOf(ref), file);
  }
  // The extension survives shortening.
  const FSSpec longName = SpecOf(temp / (std::string(70, 'n') + ".dat"));
  EXPECT_TRUE(NameOf(longName).ends_with(".dat"));
}

TEST(ItemLocator, MovedOrReplacedItemsAreNotFound) {
  TempFolder temp;
  const std::string folder = temp.Folder("watched");
  const std::string file = temp.File("watched/f");
  const FSSpec fileSpec = SpecOf(file);
  const FSRef folderRef = RefOf(folder);

  std::filesystem::rename(folder, temp / "renamed");
  FSRef ref{};
  EXPECT_EQ(FSpMakeFSRef(&fileSpec, &ref), dirNFErr) << "its folder's ID no longer leads anywhere";
  UInt8 buffer[256];
  EXPECT_EQ(FSRefMakePath(&folderRef, buffer, sizeof buffer), fnfErr);

  std::filesystem::create_directory(folder);  // same name, another folder
  EXPECT_EQ(FSRefMakePath(&folderRef, buffer, sizeof buffer), fnfErr);
}

TEST(ItemLocator, MakeFSSpecTakesPartialPaths) {
  TempFolder temp;
  temp.File("a/b/c.txt");
  const FSSpec a = SpecOf(temp / "a");
  CInfoPBRec block{};
  block.dirInfo.ioNamePtr = const_cast<StringPtr>(a.name);
  block.dirInfo.ioVRefNum = a.vRefNum;
  block.dirInfo.ioDrDirID = a.parID;
  ASSERT_EQ(PBGetCatInfoSync(&block), noErr);
  const SInt32 aID = block.dirInfo.ioDrDirID;

  struct Case {
    std::string name;
    OSErr result;
    const char *expectedName;
  } const cases[] = {
      {":b:c.txt", noErr, "c.txt"},
      {":b", noErr, "b"},
      {":b:missing", fnfErr, "missing"},
      {":nope:c.txt", dirNFErr, nullptr},
      {":b::b", noErr, "b"},
      {"", noErr, "a"},
  };
  for (const Case &c : cases) {
    Str255 name;
    name[0] = static_cast<unsigned char>(c.name.size());
    std::memcpy(name + 1, c.name.data(), c.name.size());
    FSSpec fileSpec{};
    EXPECT_EQ(FSMakeFSSpec(a.vRefNum, aID, name, &fileSpec), c.result) << c.name;
    if (c.expectedName != nullptr) {
      EXPECT_EQ(NameOf(fileSpec), c.expectedName) << c.name;
    }
  }
}

TEST(ItemLocator, CatalogIndexWalksTheFolderInNameOrder) {
  TempFolder temp;
  temp.File("b");
  temp.File("a");
  temp.File("._a");  // a companion: not an entry
  temp.Folder("c");
  const FSSpec folder = SpecOf(temp.path());
  FSRef ref = RefOf(temp.path());
  FSCatalogInfo info{};
  ASSERT_EQ(FSGetCatalogInfo(&ref, kFSCatInfoNodeID | kFSCatInfoValence, &info, nullptr, nullptr,
                             nullptr),
            noErr);
  EXPECT_EQ(info.valence, 3u);
  std::string seen;
  for (SInt16 index = 1;; ++index) {
    CInfoPBRec block{};
    Str255 name{};
    block.dirInfo.ioNamePtr = name;
    block.dirInfo.ioVRefNum = folder.vRefNum;
    block.dirInfo.ioDrDirID = static_cast<SInt32>(info.nodeID);
    block.dirInfo.ioFDirIndex = index;
    if (PBGetCatInfoSync(&block) != noErr) break;
    seen += std::string(reinterpret_cast<char *>(name + 1), name[0]);
    seen += (block.dirInfo.ioFlAttrib & ioDirMask) ? "/ " : " ";
  }
  EXPECT_EQ(seen, "a b c/ ");
}

TEST(AliasResolution, SymbolicLinksResolveLikeAliasFiles) {
  TempFolder temp;
  const std::string target = temp.Folder("target");
  std::filesystem::create_directory_symlink(target, temp / "link1");
  std::filesystem::create_symlink("link1", temp / "link2");  // relative, and a chain
  std::filesystem::create_symlink(temp / "nowhere", temp / "dangling");
  std::filesystem::create_symlink(temp / "loopB", temp / "loopA");
  std::filesystem::create_symlink(temp / "loopA", temp / "loopB");

  FSSpec fileSpec = SpecOf(temp / "link2");
  Boolean isFolder = false, wasAliased = false;
  ASSERT_EQ(ResolveAliasFileWithMountFlags(&fileSpec, true, &isFolder, &wasAliased, 0), noErr);
  EXPECT_TRUE(isFolder);
  EXPECT_TRUE(wasAliased);
  EXPECT_EQ(NameOf(fileSpec), "target");

  fileSpec = SpecOf(temp / "link2");
  ASSERT_EQ(ResolveAliasFile(&fileSpec, false, &isFolder, &wasAliased), noErr);
  EXPECT_EQ(NameOf(fileSpec), "link1") << "one step only";

  FSRef ref = RefOf(temp / "link2");
  ASSERT_EQ(FSResolveAliasFile(&ref, true, &isFolder, &wasAliased), noErr);
  EXPECT_EQ(PathOf(ref), target);

  ref = RefOf(target);
  ASSERT_EQ(FSResolveAliasFile(&ref, true, &isFolder, &wasAliased), noErr);
  EXPECT_FALSE(wasAliased);
  EXPECT_EQ(PathOf(ref), target);

  for (const char *broken : {"dangling", "loopA"}) {
    fileSpec = SpecOf(temp / broken);
    const FSSpec before = fileSpec;
    EXPECT_EQ(ResolveAliasFile(&fileSpec, true, &isFolder, &wasAliased), fnfErr) << broken;
    EXPECT_EQ(std::memcmp(&fileSpec, &before, sizeof fileSpec), 0) << "left as it was";
  }
}

TEST(UrlReferences, ExistingItemsOnly) {
  TempFolder temp;
  CFStringRef existing = CFStringCreateWithCString(nullptr, temp.path().c_str(), kCFStringEncodingUTF8);
  CFStringRef missing =
      CFStringCreateWithCString(nullptr, (temp / "missing").c_str(), kCFStringEncodingUTF8);
  CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, existing, kCFURLPOSIXPathStyle, true);
  CFURLRef missingURL = CFURLCreateWithFileSystemPath(nullptr, missing, kCFURLPOSIXPathStyle, false);
  FSRef ref{};
  EXPECT_TRUE(CFURLGetFSRef(url, &ref));
  EXPECT_FALSE(CFURLGetFSRef(missingURL, &ref));
  CFURLRef back = CFURLCreateFromFSRef(nullptr, &ref);
  ASSERT_NE(back, nullptr);
  EXPECT_TRUE(CFURLHasDirectoryPath(back));
  for (CFTypeRef object : {CFTypeRef(existing), CFTypeRef(missing), CFTypeRef(url),
                           CFTypeRef(missingURL), CFTypeRef(back)}) {
    CFRelease(object);
  }
}

}  // namespace
