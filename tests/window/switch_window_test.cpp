// The switch through the window: a click on 确定, the box, the field, the file.
#include "main_window_fixture.h"
#include "profiles.h"
#include "wine_support.h"

namespace {

const std::string kConfig = "\\TCLS\\config\\dirserver.xml";

class SwitchWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MakeFolders(game_ / "TCLS\\config");
    PutFile(game_ / "TCLS\\config\\dirserver.xml", "old");
    Open(game_.path() + "\\");
  }
  CaughtBox ClickSwitch() {
    MessageBoxCatcher catcher({main_});
    ClickCentre(Control(kSwitchButton));
    EXPECT_EQ(catcher.boxes().size(), 1u);
    return catcher.boxes().empty() ? CaughtBox{} : catcher.boxes()[0];
  }
  std::optional<std::string> ConfigFile() const { return FileBytes(game_.path() + kConfig); }

  ScratchFolder game_;
};

TEST_F(SwitchWindowTest, SwitchesToTheLiveServersAndCleansTheField) {
  const CaughtBox box = ClickSwitch();
  EXPECT_EQ(box.text, "切换服务器至[ 正式服 ]成功");
  EXPECT_EQ(box.title, "成功");
  EXPECT_EQ(box.icon, "information");
  EXPECT_EQ(box.othersEnabled, std::vector<bool>{false});
  EXPECT_EQ(ReadControlText(Control(kPathField)), game_.path());
  EXPECT_EQ(ConfigFile(), ProfileDocumentFor(kLiveServers));
  // Closing the box gives the window and its focus back for the keyboard.
  Pump(50);
  EXPECT_EQ(GetActiveWindow(), main_);
  EXPECT_EQ(GetFocus(), Control(kSwitchButton));
}

TEST_F(SwitchWindowTest, SwitchesToTheRowChosenInTheList) {
  SendMessageA(Control(kServerList), CB_SETCURSEL, 2, 0);
  EXPECT_EQ(ClickSwitch().text, "切换服务器至[ 比赛服 ]成功");
  EXPECT_EQ(ConfigFile(), ProfileDocumentFor(kTournamentServers));
}

TEST_F(SwitchWindowTest, ReportsAFailedWriteAndKeepsTheFile) {
  SetFileAttributesA((game_.path() + kConfig).c_str(), FILE_ATTRIBUTE_READONLY);
  const CaughtBox box = ClickSwitch();
  EXPECT_EQ(box.text, "切换服务器至[ 正式服 ]失败");
  EXPECT_EQ(box.title, "失败");
  EXPECT_EQ(box.icon, "exclamation");
  EXPECT_EQ(ConfigFile(), "old");
}

TEST_F(SwitchWindowTest, ReportsAPathErrorForAFolderWithoutTheGame) {
  WriteControlText(Control(kPathField), game_.path() + "\\TCLS\\\\ ");
  const CaughtBox box = ClickSwitch();
  EXPECT_EQ(box.text, "LOL游戏路径输入错误\r\n请修改后重新尝试！");
  EXPECT_EQ(box.title, "路径错误");
  EXPECT_EQ(ReadControlText(Control(kPathField)), game_.path() + "\\TCLS\\\\");
  EXPECT_EQ(ConfigFile(), "old");
}

TEST_F(SwitchWindowTest, TheSpaceKeyClicksTheFocusedButton) {
  SetFocus(Control(kSwitchButton));
  MessageBoxCatcher catcher({main_});
  PressKey(VK_SPACE);
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].title, "成功");
}

}  // namespace
