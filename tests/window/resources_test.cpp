// The resources built into the program (this test program links the same ones): version
// record, manifest, icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string VersionString(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\080404b0\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return "";
  return value;
}

std::string Resource(LPCSTR type, LPCSTR name) {
  const HRSRC found = FindResourceA(nullptr, name, type);
  if (!found) return "";
  const HGLOBAL loaded = LoadResource(nullptr, found);
  return std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(nullptr, found));
}

TEST(Resources, VersionRecordNamesTheProgramAndItsMaker) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::vector<char> block(GetFileVersionInfoSizeA(path, nullptr));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(VersionString(block, "FileVersion"), "1.0.0.0");
  EXPECT_EQ(VersionString(block, "ProductVersion"), "1.0.0.0");
  EXPECT_EQ(VersionString(block, "FileDescription"), "Quendrel");
  EXPECT_EQ(VersionString(block, "ProductName"), "Quendrel");
  EXPECT_EQ(VersionString(block, "CompanyName"), "Korvex");
  EXPECT_EQ(VersionString(block, "Comments"), "无");
}

TEST(Resources, ManifestRunsAsInvokerAndChangesNothingElse) {
  const std::string manifest = Resource(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\""), std::string::npos);
  for (const char* absent : {"Common-Controls", "dependency", "dpiAware", "dpiAwareness", "requireAdministrator"})
    EXPECT_EQ(manifest.find(absent), std::string::npos) << absent;
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(Resources, IconHoldsSixImages) {
  const std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(1));
  ASSERT_GE(group.size(), 6u);
  const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
  ASSERT_EQ(count, 6);
  ASSERT_EQ(group.size(), 6 + count * sizeof(IconGroupEntry));
  std::vector<std::pair<int, int>> images;
  for (WORD i = 0; i < count; ++i) {
    const auto* entry = reinterpret_cast<const IconGroupEntry*>(group.data() + 6 + i * sizeof(IconGroupEntry));
    images.emplace_back(entry->width, entry->bitCount);
  }
  std::sort(images.begin(), images.end());
  EXPECT_EQ(images, (std::vector<std::pair<int, int>>{{16, 8}, {16, 32}, {32, 8}, {32, 32}, {48, 8}, {48, 32}}));
}

}  // namespace
