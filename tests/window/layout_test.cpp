// The window and its eleven controls as they are made: places, classes, styles, texts,
// fonts, colours.
#include <algorithm>
#include <cstring>

#include "main_window_fixture.h"

namespace {

struct ControlCase {
  ControlRow row;
  const char* className;
  DWORD style;  // every style bit, WS_VISIBLE included
  DWORD exStyle;
  RECT place;  // in the parent's client area
  const char* text;
  ControlRow parent;  // kControlCount: the main window
};

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
constexpr DWORD kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

const ControlCase kControls[] = {
    {kChatGroupLabel, "QuendrelLabel", kChild | SS_CENTER, 0, {184, 173, 368, 197}, "游戏交流群:20481024", kControlCount},
    {kHelpButton, "Button", kPush, 0, {283, 131, 363, 163}, "使用帮助", kControlCount},
    {kPathField, "Edit", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {184, 105, 368, 125},
     "请手动输入 例如E:\\英雄联盟", kControlCount},
    {kPathLabel, "QuendrelLabel", kChild, 0, {184, 80, 264, 104}, "游戏路径-", kControlCount},
    {kSwitchButton, "Button", kPush, 0, {283, 48, 363, 80}, "确定", kControlCount},
    {kServerListLabel, "QuendrelLabel", kChild, 0, {184, 16, 264, 40}, "服务器列表-", kControlCount},
    {kMoreToolsGroup, "Button", kChild | BS_GROUPBOX | BS_CENTER, 0, {8, 104, 176, 200}, "更多LOL工具", kControlCount},
    {kSiteButton, "QuendrelPictureButton", kChild, 0, {5, 21, 160, 93}, "", kMoreToolsGroup},
    {kFollowGroup, "Button", kChild | BS_GROUPBOX | BS_CENTER, 0, {8, 8, 176, 104}, "收听作者可了解动态", kControlCount},
    {kMicroblogButton, "QuendrelPictureButton", kChild, 0, {5, 21, 160, 93}, "", kFollowGroup},
};

TEST_F(MainWindowTest, OpensCentredAtItsOuterSize) {
  RECT place;
  GetWindowRect(main_, &place);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366);
  EXPECT_EQ(place.left, 493);
  EXPECT_EQ(place.top, 268);
  EXPECT_EQ(place.right, 873);
  EXPECT_EQ(place.bottom, 500);
  EXPECT_EQ(TextOf(main_), "[ By:Korvex ]Quendrel");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(main_, GWL_STYLE)),
            DWORD{WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE | WS_CLIPSIBLINGS});
  EXPECT_EQ(GetWindowLongA(main_, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_TRUE(SendMessageA(main_, WM_GETICON, ICON_BIG, 0));
  EXPECT_TRUE(SendMessageA(main_, WM_GETICON, ICON_SMALL, 0));
  EXPECT_EQ(GetClassLongPtrA(main_, GCLP_HBRBACKGROUND), 0);
  EXPECT_EQ(GetClassLongA(main_, GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
}

TEST_F(MainWindowTest, MakesEveryControlAsDescribed) {
  for (const ControlCase& c : kControls) {
    SCOPED_TRACE(QuendrelWindow().controls[c.row].name);
    const HWND control = Control(c.row);
    ASSERT_TRUE(control);
    EXPECT_EQ(ClassNameOf(control), c.className);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)), c.style);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)), c.exStyle);
    const RECT place = PlaceInParent(control);
    EXPECT_EQ(place.left, c.place.left);
    EXPECT_EQ(place.top, c.place.top);
    EXPECT_EQ(place.right, c.place.right);
    EXPECT_EQ(place.bottom, c.place.bottom);
    EXPECT_EQ(TextOf(control), c.text);
    EXPECT_EQ(GetParent(control), c.parent == kControlCount ? main_ : Control(c.parent));
  }
}

TEST_F(MainWindowTest, CreatesTheControlsHiddenFromTheLastListedToTheFirst) {
  DestroyWindow(main_);
  Pump();
  CreationRecorder recorder;
  main_ = LoadMainWindow(QuendrelWindow());
  ASSERT_TRUE(main_);
  const auto& created = recorder.created();
  const auto mainEntry = std::find_if(created.begin(), created.end(),
                                      [](const auto& window) { return window.className == "QuendrelMainWindow"; });
  ASSERT_NE(mainEntry, created.end());
  EXPECT_EQ(mainEntry->text, "[ By:Korvex ]Quendrel");
  EXPECT_FALSE(mainEntry->style & WS_VISIBLE);
  EXPECT_EQ(mainEntry->place.right - mainEntry->place.left, 380);
  EXPECT_EQ(mainEntry->place.bottom - mainEntry->place.top, 232);
  std::vector<std::string> texts;
  for (auto window = mainEntry + 1; window != created.end(); ++window) {
    // Only our controls: not the combo box's own list, nor the input method's windows.
    if (!(window->style & WS_CHILD) || window->className == "ComboLBox") continue;
    texts.push_back(window->text);
    EXPECT_FALSE(window->style & WS_VISIBLE) << window->text;
  }
  const std::vector<std::string> expected = {"", "收听作者可了解动态", "", "更多LOL工具", "服务器列表-", "",
                                             "确定", "游戏路径-", "请手动输入 例如E:\\英雄联盟", "使用帮助",
                                             "游戏交流群:20481024"};
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + std::min<std::size_t>(texts.size(), 11)), expected);
  for (const auto& window : created)
    if (window.className == "ComboBox") {
      EXPECT_EQ(window.place.bottom - window.place.top, 160);
      EXPECT_TRUE(window.style & WS_VSCROLL);
    }
}

TEST_F(MainWindowTest, StacksTheControlsInTheListedOrder) {
  std::vector<HWND> expected;
  for (int row = 0; row < kControlCount; ++row)
    if (GetParent(Control(static_cast<ControlRow>(row))) == main_) expected.push_back(Control(static_cast<ControlRow>(row)));
  std::vector<HWND> actual;
  for (HWND child = GetWindow(main_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) actual.push_back(child);
  EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowTest, ServerListHoldsThreeRowsWithTheFirstSelected) {
  const HWND list = Control(kServerList);
  EXPECT_EQ(ClassNameOf(list), "ComboBox");
  // The combo box hands WS_VSCROLL on to its list.
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE)),
            DWORD{kChild | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL});
  const RECT place = PlaceInParent(list);
  EXPECT_EQ(place.left, 264);
  EXPECT_EQ(place.top, 16);
  EXPECT_EQ(place.right - place.left, 100);

  // Made 160 high (see above), the open list may reach that far below the control's top
  // edge; it shows every row.
  RECT control;
  GetWindowRect(list, &control);
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  ASSERT_TRUE(GetComboBoxInfo(list, &parts));
  SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
  Pump(50);
  RECT open;
  GetWindowRect(parts.hwndList, &open);
  EXPECT_TRUE(IsWindowVisible(parts.hwndList));
  EXPECT_LE(open.bottom - control.top, 160);
  EXPECT_GE(open.bottom - open.top, 3 * SendMessageA(list, CB_GETITEMHEIGHT, 0, 0));
  SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);

  ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 3);
  const char* rows[] = {"正式服", "体验服", "比赛服"};
  for (int row = 0; row < 3; ++row) {
    char text[32] = {};
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, rows[row]);
    EXPECT_EQ(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(row), 0), 0);
  }
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(ReadSelectedRow(list), 0);

  // A row is one pixel higher than a combo box with the same font would make it.
  const HWND plain = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 160, main_, nullptr,
                                     nullptr, nullptr);
  SendMessageA(plain, WM_SETFONT, SendMessageA(list, WM_GETFONT, 0, 0), FALSE);
  EXPECT_EQ(SendMessageA(list, CB_GETITEMHEIGHT, 0, 0), SendMessageA(plain, CB_GETITEMHEIGHT, 0, 0) + 1);
  DestroyWindow(plain);
}

TEST_F(MainWindowTest, PathFieldIsASingleUnlimitedLine) {
  const HWND field = Control(kPathField);
  EXPECT_EQ(SendMessageA(field, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
  DWORD start = 1;
  DWORD end = 1;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  EXPECT_EQ(ReadControlText(field).size(), 26u);
}

struct FontCase {
  ControlRow row;
  LONG height;  // 0: the default GUI font
};

TEST_F(MainWindowTest, GivesEachControlItsFont) {
  const FontCase fonts[] = {{kChatGroupLabel, -14}, {kHelpButton, -14}, {kPathLabel, -14},     {kSwitchButton, -14},
                            {kServerList, -14},     {kServerListLabel, -14}, {kMoreToolsGroup, -12}, {kFollowGroup, -12},
                            {kPathField, 0}};
  for (const FontCase& font : fonts) {
    SCOPED_TRACE(QuendrelWindow().controls[font.row].name);
    const auto handle = reinterpret_cast<HFONT>(SendMessageA(Control(font.row), WM_GETFONT, 0, 0));
    ASSERT_TRUE(handle);
    if (font.height == 0) {
      EXPECT_EQ(handle, GetStockObject(DEFAULT_GUI_FONT));
      continue;
    }
    LOGFONTA logFont{};
    ASSERT_TRUE(GetObjectA(handle, sizeof logFont, &logFont));
    EXPECT_EQ(logFont.lfHeight, font.height);
    EXPECT_EQ(logFont.lfWidth, 0);
    EXPECT_EQ(logFont.lfEscapement, 0);
    EXPECT_EQ(logFont.lfWeight, FW_NORMAL);
    EXPECT_FALSE(logFont.lfItalic || logFont.lfUnderline || logFont.lfStrikeOut);
    EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(logFont.lfOutPrecision, OUT_DEFAULT_PRECIS);
    EXPECT_EQ(logFont.lfClipPrecision, CLIP_DEFAULT_PRECIS);
    EXPECT_EQ(logFont.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(logFont.lfPitchAndFamily, DEFAULT_PITCH);
    EXPECT_STREQ(logFont.lfFaceName, "微软雅黑");
  }
}

struct ColourCase {
  ControlRow row;
  UINT message;
  COLORREF text;
  COLORREF background;
};

TEST_F(MainWindowTest, AnswersTheControlsColourQuestions) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const ColourCase colours[] = {{kPathField, WM_CTLCOLOREDIT, 0x808080, 0xFFFFFF},
                                {kServerList, WM_CTLCOLORSTATIC, 0, 0xFFFFFF},
                                {kServerList, WM_CTLCOLOREDIT, 0, 0xFFFFFF},
                                {kMoreToolsGroup, WM_CTLCOLORSTATIC, 0, face},
                                {kFollowGroup, WM_CTLCOLORSTATIC, 0, face}};
  const HDC screen = GetDC(nullptr);
  for (const ColourCase& colour : colours) {
    SCOPED_TRACE(QuendrelWindow().controls[colour.row].name);
    const HDC dc = CreateCompatibleDC(screen);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(main_, colour.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Control(colour.row))));
    EXPECT_EQ(GetTextColor(dc), colour.text);
    EXPECT_EQ(GetBkColor(dc), colour.background);
    LOGBRUSH logBrush{};
    ASSERT_TRUE(GetObjectA(brush, sizeof logBrush, &logBrush));
    EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(logBrush.lbColor, colour.background);
    DeleteDC(dc);
  }
  ReleaseDC(nullptr, screen);
}

TEST_F(MainWindowTest, PaintsTheChatGroupLabelRedAndCentred) {
  const HWND label = Control(kChatGroupLabel);
  const Capture window(main_);
  const POINT origin = Capture::ClientOrigin(main_, label);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);

  SIZE extent{};
  {
    const HDC dc = GetDC(label);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
    const std::string text = TextOf(label);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
  }
  const int textLeft = (184 - extent.cx) / 2;

  int red = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 184; ++x) {
      const COLORREF pixel = window.at(origin.x + x, origin.y + y);
      if (pixel == face) continue;
      red += pixel == RGB(255, 0, 0);
      // Text pixels are red or red blended into the background, and lie where centred text goes.
      EXPECT_EQ(GetGValue(pixel), GetBValue(pixel)) << x << "," << y;
      EXPECT_GE(GetRValue(pixel), GetGValue(pixel)) << x << "," << y;
      EXPECT_GE(x, textLeft - 1) << x << "," << y;
      EXPECT_LE(x, textLeft + extent.cx) << x << "," << y;
    }
  EXPECT_GT(red, 0);
}

TEST_F(MainWindowTest, PaintsThePathHintGrey) {
  const HWND field = Control(kPathField);
  const Capture window(main_);
  const POINT origin = Capture::ClientOrigin(main_, field);
  RECT client;
  GetClientRect(field, &client);
  int grey = 0;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) {
      const COLORREF pixel = window.at(origin.x + x, origin.y + y);
      // Grey text on white: nothing darker than the grey, nothing coloured.
      EXPECT_GE(GetRValue(pixel), 0x80) << x << "," << y;
      EXPECT_TRUE(GetRValue(pixel) == GetGValue(pixel) && GetGValue(pixel) == GetBValue(pixel)) << x << "," << y;
      grey += pixel == RGB(0x80, 0x80, 0x80);
    }
  EXPECT_GT(grey, 0);
}

}  // namespace
