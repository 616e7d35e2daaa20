// Focus and the keys the main window handles itself: Tab, Shift+Tab, Esc.
#include "main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, FirstFocusIsOnTheServerList) { EXPECT_EQ(GetFocus(), Control(kServerList)); }

TEST_F(MainWindowTest, TabWalksTheFourStopsBothWays) {
  const HWND cycle[] = {Control(kServerList), Control(kSwitchButton), Control(kPathField), Control(kHelpButton)};
  for (int step = 1; step <= 8; ++step) {
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), cycle[step % 4]) << "Tab " << step;
  }
  for (int step = 1; step <= 8; ++step) {
    PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(GetFocus(), cycle[(8 - step) % 4]) << "Shift+Tab " << step;
  }
  // Tabbing into the path field is no click: the hint stays.
  PressKey(VK_TAB);
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kPathField));
  EXPECT_EQ(ReadControlText(Control(kPathField)), "请手动输入 例如E:\\英雄联盟");
}

TEST_F(MainWindowTest, EscClosesTheWindowFromAnyControl) {
  for (const ControlRow row : {kServerList, kSwitchButton, kPathField, kHelpButton}) {
    SetFocus(Control(row));
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(main_)) << QuendrelWindow().controls[row].name;
    Reopen("");
  }
}

TEST_F(MainWindowTest, EscClosesTheWindowWhileTheListIsOpen) {
  PressKey(VK_F4);  // opens the drop-down list
  EXPECT_TRUE(SendMessageA(Control(kServerList), CB_GETDROPPEDSTATE, 0, 0));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(IsWindow(main_));
}

TEST_F(MainWindowTest, EscWithAModifierDoesNotClose) {
  for (const WORD modifier : {WORD{VK_SHIFT}, WORD{VK_CONTROL}, WORD{VK_MENU}}) {
    PressKey(VK_ESCAPE, {modifier});
    EXPECT_TRUE(IsWindow(main_)) << "modifier " << modifier;
    SetForegroundWindow(main_);
    Pump(50);
  }
}

TEST_F(MainWindowTest, LabelsGroupBoxesAndPictureButtonsNeverTakeTheFocus) {
  SetFocus(Control(kPathField));
  for (const ControlRow row :
       {kChatGroupLabel, kPathLabel, kServerListLabel, kMoreToolsGroup, kFollowGroup, kSiteButton, kMicroblogButton}) {
    ClickAt(Control(row), 3, 3);
    EXPECT_EQ(GetFocus(), Control(kPathField)) << QuendrelWindow().controls[row].name;
  }
}

TEST_F(MainWindowTest, GivesTheFocusBackToItsControlWhenActivatedAgain) {
  SetFocus(Control(kHelpButton));
  const HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                     nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  Pump(50);
  SetForegroundWindow(main_);
  Pump(50);
  EXPECT_EQ(GetFocus(), Control(kHelpButton));
  DestroyWindow(other);
}

TEST_F(MainWindowTest, ClosingEndsTheLoopWithExitCodeZero) {
  PostMessageA(main_, WM_CLOSE, 0, 0);
  EXPECT_EQ(RunMessageLoop(), 0);
  EXPECT_FALSE(IsWindow(main_));
}

TEST_F(MainWindowTest, AgreesToEndTheSession) { EXPECT_TRUE(SendMessageA(main_, WM_QUERYENDSESSION, 0, 0)); }

}  // namespace
