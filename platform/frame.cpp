#include "frame.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "unique_handle.h"

namespace {

constexpr const char* kLabelClass = "QuendrelLabel";
constexpr int kFirstControlId = 1000;  // control id = kFirstControlId + row
constexpr int kLowestComboHeight = 160;  // a drop-down list reaches this far below its top

struct ControlState {
  HWND window = nullptr;
  HFONT font = nullptr;
  COLORREF textColour = 0;
  COLORREF backColour = kDefaultColour;
  UniqueBrush brush;
  COLORREF brushColour = CLR_INVALID;
};

// One main window per process; everything here lives from LoadMainWindow to WM_NCDESTROY.
struct Frame {
  const WindowSpec* description = nullptr;
  HWND main = nullptr;
  std::vector<ControlState> controls;
  std::vector<std::pair<const FontSpec*, UniqueFont>> fonts;
  UniqueIcon bigIcon;
  UniqueIcon smallIcon;
  HWND focusWhenDeactivated = nullptr;
  bool handlersEnabled = false;  // off while loading and once closing
  bool writingText = false;
  WNDPROC groupBoxProc = nullptr;  // the BUTTON class's own procedure
};
Frame frame;

COLORREF Resolve(COLORREF colour) { return colour == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : colour; }

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HFONT FontFor(const FontSpec* wanted) {
  if (!wanted) return DefaultGuiFont();
  for (const auto& [known, font] : frame.fonts)
    if (known == wanted) return font.get();
  LOGFONTA logFont{};
  logFont.lfHeight = wanted->height;
  logFont.lfWeight = wanted->weight;
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = PROOF_QUALITY;
  logFont.lfPitchAndFamily = DEFAULT_PITCH;
  std::strncpy(logFont.lfFaceName, wanted->face, LF_FACESIZE - 1);
  UniqueFont font(CreateFontIndirectA(&logFont));
  if (!font) return DefaultGuiFont();
  frame.fonts.emplace_back(wanted, std::move(font));
  return frame.fonts.back().second.get();
}

// The state's brush in its background colour, made again only when that colour changes.
HBRUSH BackgroundBrush(ControlState& state) {
  const COLORREF colour = Resolve(state.backColour);
  if (!state.brush || state.brushColour != colour) {
    state.brush.reset(CreateSolidBrush(colour));
    state.brushColour = colour;
  }
  return state.brush.get();
}

int RowOf(HWND window) {
  if (!window || !frame.description) return -1;
  const int row = GetDlgCtrlID(window) - kFirstControlId;
  return row >= 0 && row < static_cast<int>(frame.controls.size()) && frame.controls[static_cast<std::size_t>(row)].window == window
             ? row
             : -1;
}

const EventBinding* Binding(int row, Event event) {
  if (row < 0 || !frame.description) return nullptr;
  for (const EventBinding& binding : frame.description->events)
    if (binding.control == row && binding.event == event) return &binding;
  return nullptr;
}

void Raise(int row, Event event) {
  if (!frame.handlersEnabled) return;
  if (const EventBinding* binding = Binding(row, event); binding && binding->handler) binding->handler();
}

int MouseKeys() {
  return (GetKeyState(VK_CONTROL) < 0 ? 1 : 0) | (GetKeyState(VK_SHIFT) < 0 ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// The visible, enabled tab stops in focus order: the listed order reversed.
std::vector<HWND> TabCycle() {
  std::vector<HWND> cycle;
  for (std::size_t row = frame.controls.size(); row-- > 0;) {
    const HWND window = frame.controls[row].window;
    if (frame.description->controls[row].tabStop && IsWindowVisible(window) && IsWindowEnabled(window))
      cycle.push_back(window);
  }
  return cycle;
}

void MoveFocus(bool backward) {
  const std::vector<HWND> cycle = TabCycle();
  if (cycle.empty()) return;
  const auto current = std::find(cycle.begin(), cycle.end(), GetFocus());
  std::size_t next = 0;
  if (current != cycle.end()) {
    const auto index = static_cast<std::size_t>(current - cycle.begin());
    next = backward ? (index + cycle.size() - 1) % cycle.size() : (index + 1) % cycle.size();
  }
  SetFocus(cycle[next]);
}

// The main window hands the focus on: back to the control that had it, else the first stop.
void PassFocusOn() {
  if (frame.focusWhenDeactivated && IsChild(frame.main, frame.focusWhenDeactivated)) {
    SetFocus(frame.focusWhenDeactivated);
    return;
  }
  const std::vector<HWND> cycle = TabCycle();
  if (!cycle.empty()) SetFocus(cycle.front());
}

void PaintBackground(HWND window) {
  const Painting paint(window);
  FillRect(paint.get(), &paint.area(), GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintBackground(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the background
    case WM_COMMAND: {
      const int row = RowOf(reinterpret_cast<HWND>(lParam));
      if (row < 0 || frame.writingText) break;  // nothing reacts to the text being set
      if (HIWORD(wParam) == BN_CLICKED) Raise(row, Event::kClicked);
      if (HIWORD(wParam) == EN_KILLFOCUS) Raise(row, Event::kLostFocus);
      return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      const int row = RowOf(reinterpret_cast<HWND>(lParam));
      if (row < 0) break;
      const ControlKind kind = frame.description->controls[static_cast<std::size_t>(row)].kind;
      if (kind != ControlKind::kEditBox && kind != ControlKind::kComboBox && kind != ControlKind::kGroupBox) break;
      ControlState& state = frame.controls[static_cast<std::size_t>(row)];
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, Resolve(state.textColour));
      SetBkColor(dc, Resolve(state.backColour));
      return reinterpret_cast<LRESULT>(BackgroundBrush(state));
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) frame.focusWhenDeactivated = focus;
      }
      break;
    case WM_SETFOCUS:
      PassFocusOn();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_DESTROY:
      frame.handlersEnabled = false;
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      frame = Frame{};
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void PaintLabel(HWND window) {
  const Painting paint(window);
  const int row = RowOf(window);
  if (row < 0 || IsRectEmpty(&paint.area())) return;
  ControlState& state = frame.controls[static_cast<std::size_t>(row)];
  RECT client;
  GetClientRect(window, &client);
  RECT area;
  IntersectRect(&area, &client, &paint.area());
  FillRect(paint.get(), &area, BackgroundBrush(state));
  const Text text = ReadControlText(window);
  if (text.empty()) return;
  const Selection selectFont(paint.get(), state.font);
  SetBkMode(paint.get(), TRANSPARENT);
  SetTextColor(paint.get(), Resolve(state.textColour));
  const UINT centre = (GetWindowLongA(window, GWL_STYLE) & SS_CENTER) ? DT_CENTER : 0;
  DrawTextA(paint.get(), text.c_str(), static_cast<int>(text.size()), &client,
            DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | centre);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintLabel(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      if (const int row = RowOf(window); row >= 0) {
        frame.controls[static_cast<std::size_t>(row)].font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
      }
      return 0;
    case WM_GETFONT: {
      const int row = RowOf(window);
      return row >= 0 ? reinterpret_cast<LRESULT>(frame.controls[static_cast<std::size_t>(row)].font) : 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// A group box paints only its frame and caption, and the main window clips its children,
// so nothing would paint the inside: fill it with the group box's background.
LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int row = RowOf(window);
  if (message == WM_ERASEBKGND && row >= 0) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush(frame.controls[static_cast<std::size_t>(row)]));
    return 1;
  }
  return CallWindowProcA(frame.groupBoxProc, window, message, wParam, lParam);
}

bool RegisterClassOnce(const WNDCLASSEXA& windowClass) {
  return RegisterClassExA(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool RegisterClasses(const WindowSpec& description) {
  WNDCLASSEXA mainClass{};
  mainClass.cbSize = sizeof mainClass;
  mainClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  mainClass.lpfnWndProc = MainWindowProc;
  mainClass.hInstance = Instance();
  mainClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  mainClass.lpszClassName = description.className;
  WNDCLASSEXA labelClass = mainClass;
  labelClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  labelClass.lpfnWndProc = LabelProc;
  labelClass.lpszClassName = kLabelClass;
  return RegisterClassOnce(mainClass) && RegisterClassOnce(labelClass);
}

const char* ClassFor(const ControlSpec& control) {
  switch (control.kind) {
    case ControlKind::kLabel:
      return kLabelClass;
    case ControlKind::kButton:
    case ControlKind::kGroupBox:
      return "BUTTON";
    case ControlKind::kEditBox:
      return "EDIT";
    case ControlKind::kComboBox:
      return "COMBOBOX";
    case ControlKind::kCustom:
      break;
  }
  return control.className;
}

// An edit box is at least one line of its font high: a full-width character and its edges.
void GrowToOneLine(HWND edit, HFONT font) {
  SIZE character{};
  {
    const WindowDc dc(edit);
    const Selection selectFont(dc.get(), font);
    GetTextExtentPoint32A(dc.get(), "中", 2, &character);
  }
  const int lowest = character.cy + 2 * GetSystemMetrics(SM_CYEDGE);
  RECT place;
  GetWindowRect(edit, &place);
  if (place.bottom - place.top < lowest)
    SetWindowPos(edit, nullptr, 0, 0, place.right - place.left, lowest, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CreateControl(std::size_t row) {
  const ControlSpec& described = frame.description->controls[row];
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | described.style | (described.tabStop ? WS_TABSTOP : 0);
  const int height = described.kind == ControlKind::kComboBox ? std::max(described.height, kLowestComboHeight) : described.height;
  const HWND window = CreateWindowExA(described.exStyle, ClassFor(described), described.text ? described.text : "", style, described.left,
                                     described.top, described.width, height, frame.main,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(row))),
                                     Instance(), nullptr);
  if (!window) return false;
  ControlState& state = frame.controls[row];
  state.window = window;
  state.textColour = described.textColour;
  state.backColour = described.backColour;
  state.font = FontFor(described.font);
  if (described.kind != ControlKind::kCustom) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), TRUE);

  switch (described.kind) {
    case ControlKind::kEditBox:
      GrowToOneLine(window, state.font);
      SendMessageA(window, EM_LIMITTEXT, 0, 0);
      SendMessageA(window, EM_SETSEL, 0, 0);
      SendMessageA(window, EM_SCROLLCARET, 0, 0);
      break;
    case ControlKind::kGroupBox:
      frame.groupBoxProc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupBoxProc)));
      break;
    case ControlKind::kComboBox: {
      // Rows one pixel higher than the font gives them. Told to the list itself: Wine ignores
      // CB_SETITEMHEIGHT for rows of a combo box that is not owner-drawn.
      COMBOBOXINFO parts{};
      parts.cbSize = sizeof parts;
      const LRESULT rowHeight = SendMessageA(window, CB_GETITEMHEIGHT, 0, 0);
      if (GetComboBoxInfo(window, &parts)) SendMessageA(parts.hwndList, LB_SETITEMHEIGHT, 0, rowHeight + 1);
      for (const char* text : described.rows) SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
      SendMessageA(window, CB_SETCURSEL, 0, 0);
      break;
    }
    default:
      break;
  }
  return true;
}

bool CreateControls() {
  const std::size_t count = frame.description->controls.size();
  frame.controls.resize(count);
  for (std::size_t row = count; row-- > 0;)
    if (!CreateControl(row)) return false;
  for (std::size_t row = 0; row < count; ++row) {
    const int parent = frame.description->controls[row].parent;
    if (parent != kMainWindow) SetParent(frame.controls[row].window, frame.controls[static_cast<std::size_t>(parent)].window);
  }
  // Stack siblings in the listed order, the first on top.
  for (std::size_t row = count; row-- > 0;)
    SetWindowPos(frame.controls[row].window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (const ControlState& control : frame.controls) ShowWindow(control.window, SW_SHOWNA);
  return true;
}

void SetProgramIcons(const WindowSpec& description) {
  const auto load = [&description](int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return UniqueIcon(static_cast<HICON>(
        LoadImageA(Instance(), MAKEINTRESOURCEA(description.iconResource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  };
  frame.bigIcon = load(SM_CXICON);
  frame.smallIcon = load(SM_CXSMICON);
  SendMessageA(frame.main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(frame.bigIcon.get()));
  SendMessageA(frame.main, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(frame.smallIcon.get()));
}

void SetCurrentDirectoryToProgramFolder() {
  std::vector<char> path(MAX_PATH);
  DWORD length;
  while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
    path.resize(path.size() * 2);
  const Text program(path.data(), length);
  const TextPosition lastBackslash = FindLast(program, "\\", true);
  if (lastBackslash != kNotFound)
    SetCurrentDirectoryA(program.substr(0, static_cast<std::size_t>(lastBackslash - 1)).c_str());
}

}  // namespace

HWND LoadMainWindow(const WindowSpec& description) {
  if (frame.main || !RegisterClasses(description)) return nullptr;
  frame.description = &description;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - description.width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - description.height) / 2;
  frame.main = CreateWindowExA(0, description.className, description.title, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                               x, y, description.width, description.height, nullptr, nullptr, Instance(), nullptr);
  if (!frame.main) {
    frame = Frame{};
    return nullptr;
  }
  const HWND main = frame.main;
  RECT outer;
  GetWindowRect(main, &outer);
  if (outer.right - outer.left != description.width || outer.bottom - outer.top != description.height)
    MoveWindow(main, x, y, description.width, description.height, TRUE);
  SetProgramIcons(description);
  SendMessageA(main, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);

  if (!CreateControls()) {
    DestroyWindow(main);
    return nullptr;
  }
  if (description.onCreated) description.onCreated();
  if (!IsWindow(main)) return nullptr;
  frame.handlersEnabled = true;
  ShowWindow(main, SW_SHOW);
  return main;
}

bool PreTranslateMainWindowMessage(MSG& message) {
  const HWND main = frame.main;
  if (!main || !(message.hwnd == main || IsChild(main, message.hwnd))) return false;

  if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && IsWindowEnabled(message.hwnd)) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (message.wParam == VK_TAB && !control && !alt) {
      MoveFocus(shift);
      return true;
    }
    if (message.wParam == VK_ESCAPE && !shift && !control && !alt) {
      SendMessageA(main, WM_CLOSE, 0, 0);
      return true;
    }
  }

  // The handler sees the release before the control does.
  if (message.message == WM_LBUTTONUP && frame.handlersEnabled) {
    const EventBinding* binding = Binding(RowOf(message.hwnd), Event::kLeftButtonUp);
    if (binding && binding->mouseHandler) {
      binding->mouseHandler(LOWORD(message.lParam), HIWORD(message.lParam), MouseKeys());
      if (!IsWindow(main)) return true;
    }
  }
  return false;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (PreTranslateMainWindowMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int RunProgram(const WindowSpec& description) {
  SetCurrentDirectoryToProgramFolder();
  if (!LoadMainWindow(description)) {
    MessageBoxA(nullptr, "主窗口无法创建，程序将退出。", description.title, MB_ICONSTOP | MB_TASKMODAL);
    return -1;
  }
  return RunMessageLoop();
}

HWND ControlWindow(int row) {
  return row >= 0 && row < static_cast<int>(frame.controls.size()) ? frame.controls[static_cast<std::size_t>(row)].window
                                                                      : nullptr;
}

// Called from window procedures too, so running out of memory gives the empty text rather
// than an exception.
Text ReadControlText(HWND control) {
  const int length = GetWindowTextLengthA(control);
  if (length <= 0) return {};
  try {
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(control, text.data(), length + 1);
    return Text(text.data(), static_cast<std::size_t>(std::max(copied, 0)));
  } catch (const std::bad_alloc&) {
    return {};
  }
}

void WriteControlText(HWND control, std::string_view text) {
  frame.writingText = true;
  SetWindowTextA(control, TextToBytes(text).c_str());
  frame.writingText = false;
}

void WriteTextColour(HWND control, COLORREF colour) {
  const int row = RowOf(control);
  if (row < 0) return;
  frame.controls[static_cast<std::size_t>(row)].textColour = colour;
  InvalidateRect(control, nullptr, TRUE);
}

int ReadSelectedRow(HWND control) { return static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0)); }
