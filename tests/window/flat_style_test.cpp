// The flat look on the real main window under Wine: what each styled control shows on the
// screen in each state, reached with real input; the OK button of a message box; the open
// list's edge; labels and picture buttons left as they are; the style per thread; and no
// GDI object lost however often the window paints.
#include <windows.h>
#include <winternl.h>

#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "flat_canvas.h"
#include "flat_paint.h"
#include "flat_style.h"
#include "main_window_fixture.h"
#include "wine_support.h"

namespace {

HFONT FontOf(HWND window) { return reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)); }
const FlatColours& OliveGreen() { return *FlatColoursFor(kOliveGreen); }

// Moves the pointer as the mouse does; the window under it sees it arrive and leave.
void PointAt(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  SetCursorPos(point.x, point.y);
  Pump(60);
}
void PointAtCentre(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  PointAt(window, client.right / 2, client.bottom / 2);
}
void PointAway() {
  SetCursorPos(2, 2);  // the bare desktop
  Pump(60);
}

// The pixels the screen shows in area now, without asking any window to paint first.
Canvas ScreenPixels(const RECT& area) {
  Canvas pixels(area.right - area.left, area.bottom - area.top, kUntouched);
  const WindowDc screen(nullptr);
  BitBlt(pixels.dc(), 0, 0, pixels.width(), pixels.height(), screen.get(), area.left, area.top, SRCCOPY);
  return pixels;
}

RECT ScreenPlace(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  return place;
}

// Where window's top-left corner (frame included) lies in a capture of main.
POINT PlaceIn(HWND main, HWND window) {
  const RECT outer = ScreenPlace(main);
  const RECT inner = ScreenPlace(window);
  return {inner.left - outer.left, inner.top - outer.top};
}

// How many painted pixels of expected (those not left untouched) the screen shot shows
// otherwise at origin; the first of them is described in first.
int Differences(const Canvas& shot, POINT origin, const Canvas& expected, std::string& first) {
  int wrong = 0;
  for (int y = 0; y < expected.height(); ++y)
    for (int x = 0; x < expected.width(); ++x) {
      const COLORREF want = expected.at(x, y);
      const COLORREF got = shot.at(origin.x + x, origin.y + y);
      if (want == kUntouched || got == want) continue;
      if (wrong++ == 0) first = std::to_string(x) + "," + std::to_string(y) + ": " + HexOf(got) + " for " + HexOf(want);
    }
  return wrong;
}

void ExpectShows(const Canvas& shot, POINT origin, const Canvas& expected) {
  std::string first;
  EXPECT_EQ(Differences(shot, origin, expected, first), 0) << "first difference at " << first;
}

class FlatStyleTest : public MainWindowTest {
 protected:
  // The pointer stays off every new window, so that nothing starts under it.
  void SetUp() override {
    PointAway();
    MainWindowTest::SetUp();
  }
  void ReopenAway() {
    PointAway();
    Reopen("");
  }
  POINT Origin(HWND control) const { return PlaceIn(main_, control); }
  // What the screen shows of the window once the messages so far are handled, without asking
  // anything to paint again: each state change has to have repainted its control by itself.
  Canvas Shot() const {
    Pump(50);
    return ScreenPixels(ScreenPlace(main_));
  }
  // The same once it shows expected at origin, or after two seconds whatever it shows then:
  // real input may take a while to arrive on a busy machine.
  Canvas ShotShowing(POINT origin, const Canvas& expected) const {
    std::optional<Canvas> shot(Shot());
    std::string first;
    for (const DWORD start = GetTickCount(); Differences(*shot, origin, expected, first) > 0 && GetTickCount() - start < 2000;)
      shot.emplace(Shot());
    return std::move(*shot);
  }
};

// ---- Push buttons ----

struct ButtonScene {
  const char* name;
  ControlRow button;
  void (*arrange)(HWND button);
  PushButtonState expected;  // the state flags; caption, font and alignment come from the button
  COLORREF ringTop;          // the state ring's top row, 2 px below the top edge
};

void Untouched(HWND) {}
void FocusByShiftTab(HWND) { PressKey(VK_TAB, {VK_SHIFT}); }  // from the server list back to 按钮_帮助
void Hover(HWND button) { PointAtCentre(button); }
void HoverWithFocus(HWND button) {
  FocusByShiftTab(button);
  Hover(button);
}
void Press(HWND button) {
  RECT client;
  GetClientRect(button, &client);
  PressMouseAt(button, client.right / 2, client.bottom / 2);
}
void Disable(HWND control) { EnableWindow(control, FALSE); }
void NewCaption(HWND control) { SetWindowTextA(control, "新的文字"); }
void ToggleKeyboardCues(HWND control) {
  for (const int action : {UIS_SET, UIS_CLEAR})
    SendMessageA(control, WM_UPDATEUISTATE, MAKEWPARAM(action, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}
void MakeDefault(HWND button) {  // as a dialog does it, asking for no repaint
  const auto style = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
  SendMessageA(button, BM_SETSTYLE, (style & ~BS_TYPEMASK) | BS_DEFPUSHBUTTON, FALSE);
}
void DisableUnderThePointer(HWND button) {
  Hover(button);
  Disable(button);
}

TEST_F(FlatStyleTest, PushButtonsShowEachStateInItsColours) {
  const ButtonScene scenes[] = {
      {"help, right after start", kHelpButton, Untouched, {}, Hex(0xFFFFFF)},
      {"switch, right after start", kSwitchButton, Untouched, {}, Hex(0xFFFFFF)},
      {"keyboard focus", kHelpButton, FocusByShiftTab, {.focused = true}, Hex(0xFFF0CF)},
      {"pointer over it", kSwitchButton, Hover, {.hot = true}, Hex(0xFFF0CF)},
      {"pointer over the focused button", kHelpButton, HoverWithFocus, {.hot = true, .focused = true}, Hex(0xFFF0CF)},
      {"pressed", kSwitchButton, Press, {.pressed = true, .hot = true, .focused = true}, Hex(0xEFE3CE)},
      {"disabled", kHelpButton, Disable, {.disabled = true}, Hex(0xF5F4EA)},
      {"disabled under the pointer", kSwitchButton, DisableUnderThePointer, {.disabled = true, .hot = true},
       Hex(0xF5F4EA)},
      {"made the default button", kHelpButton, MakeDefault, {.isDefault = true}, Hex(0xFFF0CF)},
      {"given a new caption", kSwitchButton, NewCaption, {}, Hex(0xFFFFFF)},
      {"keyboard cues hidden and shown", kHelpButton, ToggleKeyboardCues, {}, Hex(0xFFFFFF)},
  };
  for (const ButtonScene& scene : scenes) {
    SCOPED_TRACE(scene.name);
    ReopenAway();
    const HWND button = Control(scene.button);
    scene.arrange(button);

    RECT client;
    GetClientRect(button, &client);
    PushButtonState expected = scene.expected;
    const std::string caption = TextOf(button);
    expected.caption = caption;
    expected.font = FontOf(button);
    expected.alignment = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
    Canvas painted(client.right, client.bottom, kUntouched);
    PaintPushButton(painted.dc(), client, expected, OliveGreen());
    const POINT origin = Origin(button);
    const Canvas shot = ShotShowing(origin, painted);
    ExpectShows(shot, origin, painted);
    // The colours themselves, read off the screen.
    const COLORREF border = scene.expected.disabled ? DimmedButtonFace() : Hex(0x376206);
    EXPECT_EQ(HexOf(shot.at(origin.x, origin.y + client.bottom / 2)), HexOf(ButtonFace()));
    EXPECT_EQ(HexOf(shot.at(origin.x + 1, origin.y + client.bottom / 2)), HexOf(border));
    EXPECT_EQ(HexOf(shot.at(origin.x + 1, origin.y + 1)), HexOf(ButtonFace()));
    EXPECT_EQ(HexOf(shot.at(origin.x + 2, origin.y + 2)), HexOf(border));
    EXPECT_EQ(HexOf(shot.at(origin.x + client.right / 2, origin.y + 2)), HexOf(scene.ringTop));

    if (scene.arrange == Press) ReleaseMouseAt(main_, 10, 10);  // away from the button: no click
  }
}

// ---- Path field and server list: the edge ----

struct EdgeScene {
  const char* name;
  ControlRow control;
  void (*arrange)(HWND control);
  COLORREF line;
  COLORREF ring;
};

void FocusByTabTab(HWND) {  // from the server list on to the path field
  PressKey(VK_TAB);
  PressKey(VK_TAB);
}
void FocusElsewhere(HWND) { PressKey(VK_TAB); }  // from the server list on to 按钮_切换
void MakeReadOnly(HWND field) { SendMessageA(field, EM_SETREADONLY, TRUE, 0); }

TEST_F(FlatStyleTest, PathFieldAndServerListShowTheEdgeUnchangedByFocus) {
  const EdgeScene scenes[] = {
      {"path field, right after start", kPathField, Untouched, Hex(0xA4B97F), WindowColour()},
      {"path field with the keyboard focus", kPathField, FocusByTabTab, Hex(0xA4B97F), WindowColour()},
      {"path field under the pointer", kPathField, Hover, Hex(0xA4B97F), WindowColour()},
      {"read-only path field", kPathField, MakeReadOnly, Hex(0xA4B97F), ButtonFace()},
      {"disabled path field", kPathField, Disable, DimmedButtonFace(), ButtonFace()},
      {"server list with the keyboard focus, right after start", kServerList, Untouched, Hex(0xA4B97F),
       WindowColour()},
      {"server list without the focus", kServerList, FocusElsewhere, Hex(0xA4B97F), WindowColour()},
      {"disabled server list", kServerList, Disable, DimmedButtonFace(), ButtonFace()},
  };
  for (const EdgeScene& scene : scenes) {
    SCOPED_TRACE(scene.name);
    ReopenAway();
    const HWND control = Control(scene.control);
    scene.arrange(control);
    const RECT place = ScreenPlace(control);
    const int w = place.right - place.left;
    const int h = place.bottom - place.top;
    Canvas expected(w, h, kUntouched);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int depth = std::min({x, y, w - 1 - x, h - 1 - y});
        if (depth > 1) continue;
        SetPixelV(expected.dc(), x, y, depth == 0 ? scene.line : scene.ring);
      }
    ExpectShows(ShotShowing(Origin(control), expected), Origin(control), expected);
  }
}

// ---- Drop button ----

struct DropScene {
  const char* name;
  void (*arrange)(HWND list);
  DropButtonState expected;
  COLORREF ringTop;   // the middle of the ring's top row
  COLORREF fillTopLeft;
};

void HoverTheText(HWND list) {
  RECT client;
  GetClientRect(list, &client);
  PointAt(list, 10, client.bottom / 2);
}
void HoldTheText(HWND list) {
  RECT client;
  GetClientRect(list, &client);
  PressMouseAt(list, 10, client.bottom / 2);
}

void HoldAndRelease(HWND list) {
  HoldTheText(list);
  RECT client;
  GetClientRect(list, &client);
  ReleaseMouseAt(list, 10, client.bottom / 2);
}

TEST_F(FlatStyleTest, DropButtonShowsEachStateAtItsPlace) {
  const DropScene scenes[] = {
      {"right after start", Untouched, {}, Hex(0x8E997D), Hex(0xB6C4A1)},
      {"pointer over the combo box", HoverTheText, {.hot = true}, Hex(0x768361), Hex(0xA2B38D)},
      {"left button held down on the combo box", HoldTheText, {.held = true, .hot = true}, Hex(0x768361),
       Hex(0x8B9377)},
      {"disabled", Disable, {.disabled = true}, 0, Hex(0xF7F7F7)},
      {"released again on the combo box", HoldAndRelease, {.hot = true}, Hex(0x768361), Hex(0xA2B38D)},
  };
  for (const DropScene& scene : scenes) {
    SCOPED_TRACE(scene.name);
    ReopenAway();
    const HWND list = Control(kServerList);
    scene.arrange(list);

    RECT client;
    GetClientRect(list, &client);
    const RECT area = DropButtonArea(client);
    // 2 px in from the top, right and bottom, one vertical scroll thumb's height wide.
    EXPECT_EQ(area.right, client.right - 2);
    EXPECT_EQ(area.right - area.left, GetSystemMetrics(SM_CYVTHUMB));
    EXPECT_EQ(area.top, 2);
    EXPECT_EQ(area.bottom, client.bottom - 2);
    Canvas painted(area.right - area.left, area.bottom - area.top, kUntouched);
    PaintDropButton(painted.dc(), {0, 0, painted.width(), painted.height()}, scene.expected, OliveGreen());
    POINT origin = Origin(list);
    origin.x += area.left;
    origin.y += area.top;
    const Canvas shot = ShotShowing(origin, painted);
    ExpectShows(shot, origin, painted);
    // The window-colour column, the ring and the fill, read off the screen.
    for (int y = 0; y < painted.height(); ++y)
      ASSERT_EQ(HexOf(shot.at(origin.x, origin.y + y)), HexOf(WindowColour())) << y;
    if (scene.ringTop) {
      EXPECT_EQ(HexOf(shot.at(origin.x + painted.width() / 2, origin.y)), HexOf(scene.ringTop));
    }
    EXPECT_EQ(HexOf(shot.at(origin.x + 2, origin.y + 1)), HexOf(scene.fillTopLeft));

    if (scene.arrange == HoldTheText) ReleaseMouseAt(list, 10, client.bottom / 2);
    SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);
  }
}

TEST_F(FlatStyleTest, DropButtonFollowsThePointerOntoAndOffTheComboBox) {
  const HWND list = Control(kServerList);
  RECT client;
  GetClientRect(list, &client);
  const RECT area = DropButtonArea(client);
  const auto ringTop = [&] {
    const RECT place = ScreenPlace(list);
    return ScreenPixels({place.left + (area.left + area.right) / 2, place.top + area.top,
                         place.left + (area.left + area.right) / 2 + 1, place.top + area.top + 1})
        .at(0, 0);
  };
  Pump(50);
  EXPECT_EQ(HexOf(ringTop()), HexOf(Hex(0x8E997D)));
  HoverTheText(list);
  EXPECT_TRUE(PumpUntil([&] { return ringTop() == Hex(0x768361); }, 2000)) << HexOf(ringTop());
  PointAway();  // the leave arrives through the pointer tracking
  EXPECT_TRUE(PumpUntil([&] { return ringTop() == Hex(0x8E997D); }, 2000)) << HexOf(ringTop());
}

// ---- Group boxes ----

TEST_F(FlatStyleTest, GroupBoxesShowTheFrameCaptionAndCorners) {
  const struct {
    const char* name;
    void (*arrange)(HWND group);
    COLORREF text;  // as the main window reports it
  } scenes[] = {{"as made", Untouched, 0},
                 {"disabled", Disable, 0},
                 {"given a new caption", NewCaption, 0},
                 {"keyboard cues hidden and shown", ToggleKeyboardCues, 0},
                 {"given a red text colour", [](HWND group) { WriteTextColour(group, RGB(255, 0, 0)); }, RGB(255, 0, 0)}};
  for (const auto& scene : scenes) {
    SCOPED_TRACE(scene.name);
    ReopenAway();
    for (const ControlRow row : {kFollowGroup, kMoreToolsGroup}) scene.arrange(Control(row));
    for (const ControlRow row : {kFollowGroup, kMoreToolsGroup}) {
      SCOPED_TRACE(QuendrelWindow().controls[row].name);
      const HWND group = Control(row);
      RECT client;
      GetClientRect(group, &client);
      const std::string caption = TextOf(group);
      Canvas painted(client.right, client.bottom, kUntouched);
      PaintGroupBox(painted.dc(), client,
                    {.caption = caption, .font = FontOf(group), .background = ButtonFace(), .text = scene.text},
                    OliveGreen());
      const POINT origin = Origin(group);
      const Canvas shot = ShotShowing(origin, painted);
      ExpectShows(shot, origin, painted);
      EXPECT_EQ(HexOf(shot.at(origin.x, origin.y + client.bottom / 2)), HexOf(Hex(0xBFB8BF)));
      EXPECT_EQ(HexOf(shot.at(origin.x + client.right / 2, origin.y + client.bottom - 1)), HexOf(Hex(0xBFB8BF)));
    }
  }
}

// ---- The OK button of a message box ----

struct OkButtonShot {
  HWND box = nullptr;
  DWORD style = 0;
  LRESULT state = 0;
  RECT client{};
  std::unique_ptr<Canvas> pixels;   // as the screen shows it
  std::unique_ptr<Canvas> expected;  // painted while the box and its font exist
};
OkButtonShot okButtonShot;

// Runs in the box's own message loop, once the box is on the screen.
VOID CALLBACK ShootOkButton(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND ok = GetDlgItem(okButtonShot.box, IDOK);
  OkButtonShot& shot = okButtonShot;
  shot.style = static_cast<DWORD>(GetWindowLongA(ok, GWL_STYLE));
  shot.state = SendMessageA(ok, BM_GETSTATE, 0, 0);
  GetClientRect(ok, &shot.client);
  shot.pixels = std::make_unique<Canvas>(ScreenPixels(ScreenPlace(ok)));
  const std::string caption = TextOf(ok);
  shot.expected = std::make_unique<Canvas>(shot.client.right, shot.client.bottom, kUntouched);
  PaintPushButton(shot.expected->dc(), shot.client,
                  {.caption = caption, .font = FontOf(ok), .alignment = shot.style, .focused = true, .isDefault = true},
                  OliveGreen());
  PressOk(shot.box);
}

TEST_F(FlatStyleTest, StylesTheOkButtonOfTheSwitchCommandsMessageBox) {
  okButtonShot = {};
  MessageBoxCatcher catcher({main_});
  catcher.onOpen = [](HWND box) {
    okButtonShot.box = box;
    SetTimer(nullptr, 0, 300, ShootOkButton);
  };
  ClickCentre(Control(kSwitchButton));  // the path field holds the hint: the path-error box
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].title, "路径错误");
  ASSERT_TRUE(okButtonShot.pixels);
  EXPECT_EQ(okButtonShot.style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
  EXPECT_TRUE(okButtonShot.state & BST_FOCUS);

  const RECT& client = okButtonShot.client;
  ExpectShows(*okButtonShot.pixels, {0, 0}, *okButtonShot.expected);
  EXPECT_EQ(HexOf(okButtonShot.pixels->at(1, client.bottom / 2)), HexOf(Hex(0x376206)));
  EXPECT_EQ(HexOf(okButtonShot.pixels->at(client.right / 2, 2)), HexOf(Hex(0xFFF0CF)));
  okButtonShot = {};
}

// ---- The open list ----

// Whether the list's outermost pixels show the edge's line, as the screen shows them now.
bool ShowsTheEdge(HWND list) {
  const RECT place = ScreenPlace(list);
  const Canvas pixels = ScreenPixels(place);
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x) {
      const int depth = std::min({x, y, pixels.width() - 1 - x, pixels.height() - 1 - y});
      if (depth == 0 && pixels.at(x, y) != Hex(0xA4B97F)) return false;
    }
  return true;
}

void RedrawFrame(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(30);
}

TEST_F(FlatStyleTest, OpenListGetsTheEdgeWhenThePointerEntersAndAgainWhenItLeaves) {
  const HWND combo = Control(kServerList);
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  ASSERT_TRUE(GetComboBoxInfo(combo, &parts));
  const HWND list = parts.hwndList;
  SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump(50);
  ASSERT_TRUE(IsWindowVisible(list));
  RedrawFrame(list);
  EXPECT_FALSE(ShowsTheEdge(list));  // the list's own frame

  // Each pointer move is waited for until it has arrived, however busy the machine.
  const auto edgeShows = [list] { return PumpUntil([list] { return ShowsTheEdge(list); }, 2000); };
  PointAtCentre(list);
  EXPECT_TRUE(edgeShows());
  RedrawFrame(list);
  EXPECT_FALSE(ShowsTheEdge(list));

  PointAway();
  EXPECT_TRUE(edgeShows());

  // Closed with the pointer on it, the list starts afresh when it opens again.
  PointAtCentre(list);
  SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
  Pump(50);
  SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump(50);
  RedrawFrame(list);
  EXPECT_FALSE(ShowsTheEdge(list));
  PointAt(list, 5, 5);
  EXPECT_TRUE(edgeShows());
  SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

// ---- GDI objects ----

// GetGuiResources(GR_GDIOBJECTS) counts a process's GDI objects on Windows, but Wine answers
// 0. Wine keeps the process's GDI handle table where Windows does, behind the process
// environment block's GdiSharedHandleTable: the objects are its entries in use. Only in the
// 64-bit build: the 32-bit process under qemu does not survive reading it, and the painting
// code is the same for both.
#ifdef _WIN64
int GdiObjectCount() {
  struct Entry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;  // 0: free
    UCHAR flags;
    UINT64 user;
  };
  static_assert(sizeof(Entry) == 24);
  constexpr std::size_t kTableOffset = 0xF8;
  constexpr int kEntries = 0x10000;
  using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
  const auto* environment = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
  const auto* table = *reinterpret_cast<const Entry* const*>(environment + kTableOffset);
  int count = 0;
  for (int i = 0; i < kEntries; ++i) count += table[i].type != 0;
  return count;
}

TEST_F(FlatStyleTest, KeepsTheGdiObjectCountFlatOverAThousandRepaints) {
  {
    const int before = GdiObjectCount();
    const UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_EQ(GdiObjectCount(), before + 1);  // the count sees a new object
  }
  const auto repaintAll = [this] {
    RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  SetFocus(Control(kHelpButton));  // a focus rectangle too
  PointAtCentre(Control(kSwitchButton));
  repaintAll();
  Pump();
  const int before = GdiObjectCount();
  for (int i = 0; i < 1000; ++i) repaintAll();
  Pump();
  EXPECT_EQ(GdiObjectCount(), before);
}
#endif

// ---- Per thread; labels and picture buttons ----

// What a thread of its own saw of a window made without the style, then with it.
struct UnstyledThread {
  bool made = false;
  COLORREF borderBefore = 0;     // 按钮_帮助's border pixel, before the style
  COLORREF borderUnknown = 0;    // the same after asking for a variant the program does not have
  COLORREF borderAtOnce = 0;     // the same right after switching it on, without a redraw
  COLORREF borderWhenMade = 0;   // in a window made after the style was on
  std::vector<int> unchanged;    // per label and picture button: pixels that changed
  int buttonPixelsChanged = 0;
};

int ChangedPixels(const Capture& before, const Capture& after, HWND main, HWND control) {
  const POINT origin = PlaceIn(main, control);
  RECT client;
  GetClientRect(control, &client);
  int changed = 0;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x)
      changed += before.at(origin.x + x, origin.y + y) != after.at(origin.x + x, origin.y + y);
  return changed;
}

void SeeTheStyleSwitchedOn(UnstyledThread& seen) {
  WindowSpec unstyled = QuendrelWindow();
  unstyled.onCreated = nullptr;  // the creation handler switches the style on
  HWND main = LoadMainWindow(unstyled);
  seen.made = main != nullptr;
  if (!main) return;
  SetForegroundWindow(main);
  Pump(100);
  const HWND help = ControlWindow(kHelpButton);
  const RECT helpPlace = ScreenPlace(help);
  const auto border = [&] {
    return ScreenPixels({helpPlace.left + 1, helpPlace.top + 16, helpPlace.left + 2, helpPlace.top + 17}).at(0, 0);
  };
  const Capture before(main);
  seen.borderBefore = border();

  EnableFlatControlStyle(kOliveGreen + 1);
  Pump(50);
  seen.borderUnknown = border();
  EnableFlatControlStyle(kOliveGreen);
  GdiFlush();
  seen.borderAtOnce = border();
  const Capture after(main);
  for (const ControlRow row : {kChatGroupLabel, kPathLabel, kServerListLabel, kSiteButton, kMicroblogButton})
    seen.unchanged.push_back(ChangedPixels(before, after, main, ControlWindow(row)));
  seen.buttonPixelsChanged = ChangedPixels(before, after, main, help);
  DestroyWindow(main);
  Pump();

  main = LoadMainWindow(unstyled);  // its controls are restyled as they are made
  if (!main) return;
  SetForegroundWindow(main);
  Pump(100);
  const Capture made(main);
  const POINT origin = PlaceIn(main, ControlWindow(kHelpButton));
  seen.borderWhenMade = made.at(origin.x + 1, origin.y + 16);
  DestroyWindow(main);
  Pump();
}

TEST(FlatStyleThreads, StylePerThreadLeavesLabelsAndPictureButtonsAsTheyAre) {
  RemoveInstallPath();
  ASSERT_TRUE(RegisterPictureButtonClass());
  EnableFlatControlStyle(kOliveGreen);  // on this thread; the other starts without it
  PointAway();
  UnstyledThread seen;
  std::atomic<bool> done = false;
  std::thread other([&] {
    SeeTheStyleSwitchedOn(seen);
    done = true;
  });
  // Meanwhile this thread answers what the other's windows send it.
  while (!done) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(5);
  }
  other.join();

  ASSERT_TRUE(seen.made);
  EXPECT_NE(HexOf(seen.borderBefore), HexOf(Hex(0x376206)));
  EXPECT_EQ(HexOf(seen.borderUnknown), HexOf(seen.borderBefore));
  EXPECT_EQ(HexOf(seen.borderAtOnce), HexOf(Hex(0x376206)));
  EXPECT_EQ(HexOf(seen.borderWhenMade), HexOf(Hex(0x376206)));
  EXPECT_EQ(seen.unchanged, (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_GT(seen.buttonPixelsChanged, 100);
}

}  // namespace
