// The path field: filled from the registry, the hint cleared by a click and brought back when
// the field is left empty.
#include "handlers.h"
#include "main_window_fixture.h"
#include "wine_support.h"

namespace {

const std::string kHint = "请手动输入 例如E:\\英雄联盟";

// The colour the field draws its text in, as it answers its parent.
COLORREF TextColourOf(HWND main, HWND field) {
  const HDC dc = CreateCompatibleDC(nullptr);
  SendMessageA(main, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
  const COLORREF colour = GetTextColor(dc);
  DeleteDC(dc);
  return colour;
}

TEST_F(MainWindowTest, WithoutARegistryValueTheFieldShowsTheGreyHint) {
  EXPECT_EQ(ReadControlText(Control(kPathField)), kHint);
  EXPECT_EQ(TextColourOf(main_, Control(kPathField)), 0x808080u);
}

TEST_F(MainWindowTest, ShowsTheRegistryValueExactlyAndBlack) {
  Reopen("E:\\英雄联盟\\");
  EXPECT_EQ(ReadControlText(Control(kPathField)), "E:\\英雄联盟\\");
  EXPECT_EQ(TextColourOf(main_, Control(kPathField)), 0u);
}

// Every text the path field is asked to paint, from its first WM_PAINT on.
std::vector<std::string> paintedTexts;

LRESULT CALLBACK RecordPathFieldPaints(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && message->message == WM_PAINT && message->hwnd == ControlWindow(kPathField))
    paintedTexts.push_back(TextOf(message->hwnd));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MainWindowTest, TheFirstPaintAlreadyShowsTheRegistryValue) {
  DestroyWindow(main_);
  Pump();
  SetInstallPath("E:\\英雄联盟");
  paintedTexts.clear();
  const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, RecordPathFieldPaints, nullptr, GetCurrentThreadId());
  main_ = LoadMainWindow(QuendrelWindow());
  Pump(200);
  UnhookWindowsHookEx(hook);
  ASSERT_FALSE(paintedTexts.empty());
  for (const std::string& text : paintedTexts) EXPECT_EQ(text, "E:\\英雄联盟");
}

TEST_F(MainWindowTest, AClickIntoTheHintClearsIt) {
  ClickCentre(Control(kPathField));
  EXPECT_EQ(GetFocus(), Control(kPathField));
  EXPECT_EQ(ReadControlText(Control(kPathField)), "");
  EXPECT_EQ(TextColourOf(main_, Control(kPathField)), 0u);
  PressKey('D');
  EXPECT_EQ(ReadControlText(Control(kPathField)), "d");
}

TEST_F(MainWindowTest, AClickIntoARealPathChangesNothing) {
  Reopen("E:\\Games");
  ClickCentre(Control(kPathField));
  EXPECT_EQ(ReadControlText(Control(kPathField)), "E:\\Games");
}

TEST_F(MainWindowTest, TheHintTypedByHandIsClearedLikeTheHint) {
  Reopen("E:\\Games");
  WriteControlText(Control(kPathField), kHint);
  ClickCentre(Control(kPathField));
  EXPECT_EQ(ReadControlText(Control(kPathField)), "");
}

TEST_F(MainWindowTest, LeavingTheFieldEmptyBringsTheGreyHintBack) {
  ClickCentre(Control(kPathField));
  WriteTextColour(Control(kPathField), 0);
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kHelpButton));
  EXPECT_EQ(ReadControlText(Control(kPathField)), kHint);
  EXPECT_EQ(TextColourOf(main_, Control(kPathField)), 0x808080u);
}

TEST_F(MainWindowTest, LeavingTheFieldWithBlanksKeepsThem) {
  ClickCentre(Control(kPathField));
  PressKey(VK_SPACE);
  PressKey(VK_SPACE);
  PressKey(VK_TAB);
  EXPECT_EQ(ReadControlText(Control(kPathField)), "  ");
  EXPECT_EQ(TextColourOf(main_, Control(kPathField)), 0u);
}

TEST_F(MainWindowTest, ClickingALabelKeepsTheEmptyFieldFocusedAndEmpty) {
  ClickCentre(Control(kPathField));
  ClickCentre(Control(kPathLabel));
  EXPECT_EQ(GetFocus(), Control(kPathField));
  EXPECT_EQ(ReadControlText(Control(kPathField)), "");
}

TEST_F(MainWindowTest, ClickingSwitchFromTheEmptyFieldReportsThePathError) {
  ClickCentre(Control(kPathField));
  MessageBoxCatcher catcher({main_});
  ClickCentre(Control(kSwitchButton));
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].title, "路径错误");
  EXPECT_EQ(catcher.boxes()[0].othersEnabled, std::vector<bool>{false});
  EXPECT_EQ(ReadControlText(Control(kPathField)), kHint);
}

}  // namespace
