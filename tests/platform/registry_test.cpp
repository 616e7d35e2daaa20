#include <windows.h>

#include <gtest/gtest.h>

#include "services.h"

namespace {

// Values are written where the game would write them: HKLM\SOFTWARE in the 32-bit view.
constexpr const char* kKey = "SOFTWARE\\QuendrelRegistryTest";

class RegistryTest : public testing::Test {
 protected:
  void SetUp() override { DeleteKeys(); }
  void TearDown() override { DeleteKeys(); }

  static void DeleteKeys() {
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_32KEY, 0);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_64KEY, 0);
    RegDeleteValueA(HKEY_CURRENT_USER, "QuendrelTopLevelValue");
  }

  static void Put(REGSAM view, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
  }
  static void PutText(const char* name, DWORD type, const std::string& text) {
    Put(KEY_WOW64_32KEY, name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }
  static Text Read(const std::string& valueName) {
    return ReadRegistryText(kLocalMachine, std::string(kKey) + "\\" + valueName);
  }
};

TEST_F(RegistryTest, ReadsTextExactlyAsStored) {
  PutText("InstallPath", REG_SZ, "E:\\英雄联盟\\");
  EXPECT_EQ(Read("InstallPath"), "E:\\英雄联盟\\");
  // The value name may hold two-byte characters whose second byte is a backslash (誠).
  PutText("\xD5\x5C", REG_SZ, "named by a backslash byte");
  EXPECT_EQ(Read("\xD5\x5C"), "named by a backslash byte");
}

TEST_F(RegistryTest, ExpandsEnvironmentReferences) {
  PutText("Expanding", REG_EXPAND_SZ, "%SystemDrive%\\Games");
  char drive[16] = {};
  GetEnvironmentVariableA("SystemDrive", drive, sizeof drive);
  ASSERT_STRNE(drive, "");
  EXPECT_EQ(Read("Expanding"), std::string(drive) + "\\Games");
}

TEST_F(RegistryTest, GivesTheEmptyTextForEverythingElse) {
  const DWORD number = 7;
  Put(KEY_WOW64_32KEY, "Number", REG_DWORD, &number, sizeof number);
  Put(KEY_WOW64_32KEY, "Several", REG_MULTI_SZ, "a\0b\0", 5);
  PutText("Empty", REG_SZ, "");
  EXPECT_EQ(Read("Number"), "");
  EXPECT_EQ(Read("Several"), "");
  EXPECT_EQ(Read("Empty"), "");
  EXPECT_EQ(Read("Missing"), "");
  EXPECT_EQ(ReadRegistryText(kLocalMachine, "SOFTWARE\\QuendrelNoSuchKey\\InstallPath"), "");
  EXPECT_EQ(ReadRegistryText(kLocalMachine, ""), "");
}

TEST_F(RegistryTest, ReadsAValueStoredWithoutItsNulUpToItsEnd) {
  // The data is followed in memory by more text that must not be read.
  const char stored[] = "E:\\GamesXXXX";
  Put(KEY_WOW64_32KEY, "Unterminated", REG_SZ, stored, 8);
  Put(KEY_WOW64_32KEY, "UnterminatedExpanding", REG_EXPAND_SZ, stored, 8);
  EXPECT_EQ(Read("Unterminated"), "E:\\Games");
  EXPECT_EQ(Read("UnterminatedExpanding"), "E:\\Games");
}

TEST_F(RegistryTest, ReadsOnlyThe32BitView) {
  const std::string text = "D:\\only64";
  Put(KEY_WOW64_64KEY, "InstallPath", REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  EXPECT_EQ(Read("InstallPath"), "");
}

TEST_F(RegistryTest, APathWithoutBackslashNamesAValueOfTheRootKey) {
  HKEY root = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, nullptr, 0, KEY_ALL_ACCESS, &root), ERROR_SUCCESS);
  const std::string text = "at the top";
  RegSetValueExA(root, "QuendrelTopLevelValue", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(root);
  EXPECT_EQ(ReadRegistryText(kCurrentUser, "QuendrelTopLevelValue"), "at the top");
  EXPECT_EQ(ReadRegistryText(99, "QuendrelTopLevelValue"), "at the top");  // unknown roots mean HKCU
}

}  // namespace
