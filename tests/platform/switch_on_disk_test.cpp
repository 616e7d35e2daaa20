// The whole click against real folders and a real message box, with in-memory controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "services.h"
#include "stand_ins.h"
#include "wine_support.h"

namespace {

const std::string kHint = "请手动输入 例如E:\\英雄联盟";
const std::string kOld = "old list\r\n";
const std::string kConfig = "\\TCLS\\config\\dirserver.xml";

enum class Box { kNone, kPathError, kWritten, kFailed };

struct DiskCase {
  const char* name;
  std::string typed;          // "@" stands for the scratch folder
  int row;
  std::string shownAfter;     // the field's text afterwards, "@" as above
  Box box;
  std::string gameFolder;     // the game folder the case is about, below the scratch folder
  bool readOnly = false;
};

std::string Expand(const std::string& text, const std::string& folder) {
  const std::size_t at = text.find('@');
  return at == std::string::npos ? text : text.substr(0, at) + folder + text.substr(at + 1);
}

class SwitchOnDiskTest : public testing::TestWithParam<DiskCase> {};

TEST_P(SwitchOnDiskTest, CleansTheFieldWritesTheFileAndShowsTheBox) {
  const DiskCase& c = GetParam();
  ScratchFolder scratch;
  const std::string configFile = scratch / (c.gameFolder + kConfig);
  MakeFolders(configFile.substr(0, configFile.rfind('\\')));
  PutFile(configFile, kOld);
  if (c.readOnly) SetFileAttributesA(configFile.c_str(), FILE_ATTRIBUTE_READONLY);

  // Relative folders are taken from the current directory, the program's folder in the tool.
  char previousDirectory[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previousDirectory);
  SetCurrentDirectoryA(scratch.path().c_str());

  InMemoryControls controls;
  controls.pathField = Expand(c.typed, scratch.path());
  controls.selectedRow = c.row;
  WindowsGameFiles files;
  MessageBoxCatcher catcher;
  if (const std::optional<Message> message = RunSwitch(controls, files))
    ShowMessageBox(message->text, message->flags, message->title);
  SetCurrentDirectoryA(previousDirectory);

  EXPECT_EQ(controls.pathField, Expand(c.shownAfter, scratch.path()));
  const std::string written = c.row >= 0 ? std::string(ProfileDocumentFor(static_cast<ServerProfile>(c.row))) : "";
  EXPECT_EQ(FileBytes(configFile), c.box == Box::kWritten ? written : kOld);
  EXPECT_EQ(FolderEntries(configFile.substr(0, configFile.rfind('\\'))), std::vector<std::string>{"dirserver.xml"});

  const char* servers[] = {"正式服", "体验服", "比赛服"};
  if (c.box == Box::kNone) {
    EXPECT_TRUE(catcher.boxes().empty());
    return;
  }
  ASSERT_EQ(catcher.boxes().size(), 1u);
  const CaughtBox& box = catcher.boxes()[0];
  switch (c.box) {
    case Box::kPathError:
      EXPECT_EQ(box.text, "LOL游戏路径输入错误\r\n请修改后重新尝试！");
      EXPECT_EQ(box.title, "路径错误");
      EXPECT_EQ(box.icon, "exclamation");
      break;
    case Box::kWritten:
      EXPECT_EQ(box.text, std::string("切换服务器至[ ") + servers[c.row] + " ]成功");
      EXPECT_EQ(box.title, "成功");
      EXPECT_EQ(box.icon, "information");
      break;
    case Box::kFailed:
      EXPECT_EQ(box.text, std::string("切换服务器至[ ") + servers[c.row] + " ]失败");
      EXPECT_EQ(box.title, "失败");
      EXPECT_EQ(box.icon, "exclamation");
      break;
    case Box::kNone:
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SwitchOnDiskTest,
    testing::Values(
        DiskCase{"TrailingBackslash", "@\\英雄联盟\\", 0, "@\\英雄联盟", Box::kWritten, "英雄联盟"},
        DiskCase{"TwoBackslashes", "@\\英雄联盟\\\\", 1, "@\\英雄联盟", Box::kWritten, "英雄联盟"},
        DiskCase{"Blanks", "  @\\英雄联盟\xA1\xA1", 2, "@\\英雄联盟", Box::kWritten, "英雄联盟"},
        DiskCase{"OneLetterFolder", "@\\LOL\\x\\", 0, "@\\LOL\\x", Box::kWritten, "LOL\\x"},
        DiskCase{"SecondByteIsBackslash", "@\\\xD5\x5C\\", 1, "@\\\xD5\x5C", Box::kWritten, "\xD5\x5C"},
        DiskCase{"BlankAfterBackslash", "@\\英雄联盟\\ ", 0, "@\\英雄联盟\\", Box::kWritten, "英雄联盟"},
        DiskCase{"RelativeFolder", "game\\", 1, "game", Box::kWritten, "game"},
        DiskCase{"Hint", kHint, 0, kHint, Box::kPathError, "英雄联盟"},
        DiskCase{"Empty", "", 0, "", Box::kPathError, "英雄联盟"},
        DiskCase{"WrongFolder", "@\\LOL", 0, "@\\LOL", Box::kPathError, "英雄联盟"},
        DiskCase{"NoRowSelected", "@\\英雄联盟", -1, "@\\英雄联盟", Box::kNone, "英雄联盟"},
        DiskCase{"ReadOnlyFile", "@\\英雄联盟\\", 2, "@\\英雄联盟", Box::kFailed, "英雄联盟", true}),
    [](const testing::TestParamInfo<DiskCase>& param) { return param.param.name; });

}  // namespace
