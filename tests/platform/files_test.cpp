#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "services.h"
#include "unique_handle.h"
#include "wine_support.h"

namespace {

const std::string kOldBytes = "the player's own file\r\n";

TEST(FileExists, FindsFilesAndFolders) {
  ScratchFolder scratch;
  PutFile(scratch / "dirserver.xml", "x");
  MakeFolders(scratch / "英雄联盟");
  EXPECT_TRUE(FileExists(scratch / "dirserver.xml"));
  EXPECT_TRUE(FileExists(scratch / "英雄联盟"));
  EXPECT_TRUE(FileExists(scratch / "*.xml"));  // wildcards match as FindFirstFileA matches
  EXPECT_FALSE(FileExists(scratch / "missing.xml"));
  EXPECT_FALSE(FileExists(""));
}

TEST(WriteFileBytes, ReplacesTheWholeFileAndLeavesNothingElse) {
  ScratchFolder scratch;
  const std::string target = scratch / "dirserver.xml";
  PutFile(target, std::string(5000, 'o'));
  EXPECT_TRUE(WriteFileBytes(target, {"<Server>", "", "\r\n</Server>"}));
  EXPECT_EQ(FileBytes(target), "<Server>\r\n</Server>");
  EXPECT_EQ(FolderEntries(scratch.path()), std::vector<std::string>{"dirserver.xml"});
}

TEST(WriteFileBytes, CreatesAMissingFileInAnExistingFolder) {
  ScratchFolder scratch;
  EXPECT_TRUE(WriteFileBytes(scratch / "新.xml", {"abc"}));
  EXPECT_EQ(FileBytes(scratch / "新.xml"), "abc");
}

TEST(WriteFileBytes, AnEmptySequenceLeavesAnEmptyFile) {
  ScratchFolder scratch;
  PutFile(scratch / "dirserver.xml", kOldBytes);
  EXPECT_TRUE(WriteFileBytes(scratch / "dirserver.xml", {""}));
  EXPECT_EQ(FileBytes(scratch / "dirserver.xml"), "");
}

TEST(WriteFileBytes, RefusesWithoutAPathOrAFolderToWriteIn) {
  ScratchFolder scratch;
  EXPECT_FALSE(WriteFileBytes("", {"abc"}));
  EXPECT_FALSE(WriteFileBytes(scratch / "missing\\dirserver.xml", {"abc"}));
  MakeFolders(scratch / "folder");
  EXPECT_FALSE(WriteFileBytes(scratch / "folder", {"abc"}));
  EXPECT_EQ(FolderEntries(scratch.path()), std::vector<std::string>{"folder"});
  EXPECT_TRUE(FolderEntries(scratch / "folder").empty());
}

class ProtectedFileTest : public testing::TestWithParam<DWORD> {};

TEST_P(ProtectedFileTest, IsLeftUntouched) {
  ScratchFolder scratch;
  const std::string target = scratch / "dirserver.xml";
  PutFile(target, kOldBytes);
  ASSERT_TRUE(SetFileAttributesA(target.c_str(), GetParam()));
  ASSERT_EQ(GetFileAttributesA(target.c_str()) & GetParam(), GetParam());
  EXPECT_FALSE(WriteFileBytes(target, {"new"}));
  EXPECT_EQ(FileBytes(target), kOldBytes);
  EXPECT_EQ(GetFileAttributesA(target.c_str()) & GetParam(), GetParam());
  EXPECT_EQ(FolderEntries(scratch.path()), std::vector<std::string>{"dirserver.xml"});
}

INSTANTIATE_TEST_SUITE_P(ReadOnlyHiddenSystem, ProtectedFileTest,
                         testing::Values(FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM,
                                         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

TEST(WriteFileBytes, LeavesAFileThatAnotherHandleHoldsOpen) {
  for (const DWORD access : {DWORD{GENERIC_READ}, DWORD{GENERIC_WRITE}}) {
    ScratchFolder scratch;
    const std::string target = scratch / "dirserver.xml";
    PutFile(target, kOldBytes);
    {
      const UniqueFile holder(CreateFileA(target.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
      ASSERT_TRUE(holder);
      EXPECT_FALSE(WriteFileBytes(target, {"new"}));
    }
    EXPECT_EQ(FileBytes(target), kOldBytes);
    EXPECT_EQ(FolderEntries(scratch.path()), std::vector<std::string>{"dirserver.xml"});
  }
}

// Runs through tools/full-disk.sh, which mounts a small file system, fills it and names the
// folder in QUENDREL_FULL_DISK; the folder holds dirserver.xml and the filler.
TEST(FullDisk, AFailedWriteLeavesTheFileAsItWas) {
  const char* folder = std::getenv("QUENDREL_FULL_DISK");
  if (!folder) GTEST_SKIP() << "run by tools/full-disk.sh";
  const std::string target = std::string(folder) + "\\dirserver.xml";
  const std::optional<std::string> before = FileBytes(target);
  ASSERT_TRUE(before.has_value());
  const std::vector<std::string> entriesBefore = FolderEntries(folder);

  EXPECT_FALSE(WriteFileBytes(target, {std::string(64 * 1024, 'x')}));
  EXPECT_EQ(FileBytes(target), before);
  EXPECT_EQ(FolderEntries(folder), entriesBefore);
}

}  // namespace
