#include "flat_style.h"

#include <windows.h>

#include <new>
#include <optional>
#include <string>
#include <unordered_map>

#include "frame.h"
#include "unique_handle.h"

namespace {

enum class FlatKind { kPushButton, kGroupBox, kField, kComboBox, kOpenList };

struct StyledControl {
  FlatKind kind;
  WNDPROC previous;
  bool unicode;             // subclassed through the W functions, so that it stays a Unicode window
  bool hot = false;         // the pointer is over it
  bool held = false;        // combo box: the left button went down on it and is still down there
};

// Windows, their procedures and the creation hook belong to one thread, and so does the style.
struct ThreadStyle {
  int variant = 0;
  UniqueHook creationHook;
  std::unordered_map<HWND, StyledControl> controls;
};
thread_local ThreadStyle threadStyle;

// A control is styled only once its thread has a variant with colours.
const FlatColours& Colours() { return *FlatColoursFor(threadStyle.variant); }

// The device context of a whole window, frame included, from GetWindowDC.
class WholeWindowDc {
 public:
  explicit WholeWindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~WholeWindowDc() { ReleaseDC(window_, dc_); }
  WholeWindowDc(const WholeWindowDc&) = delete;
  WholeWindowDc& operator=(const WholeWindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

StyledControl* Find(HWND window) {
  const auto found = threadStyle.controls.find(window);
  return found == threadStyle.controls.end() ? nullptr : &found->second;
}

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const StyledControl* control = Find(window);
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  return control->unicode ? CallWindowProcW(control->previous, window, message, wParam, lParam)
                          : CallWindowProcA(control->previous, window, message, wParam, lParam);
}

// The control draws itself on some messages; the flat look goes over that at once.
LRESULT ForwardAndRedraw(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool redraw = true) {
  const LRESULT result = Forward(window, message, wParam, lParam);
  if (redraw) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return result;
}

HFONT FontOf(HWND window) { return reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)); }

// Follows the pointer onto and off the control; true when that changed.
bool TrackPointer(HWND window, UINT message, LPARAM lParam) {
  StyledControl* control = Find(window);
  if (!control) return false;
  bool over = false;
  if (message == WM_MOUSEMOVE) {
    RECT client;
    GetClientRect(window, &client);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    over = PtInRect(&client, point) != FALSE;
  }
  if (over == control->hot) return false;
  control->hot = over;
  if (over) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
  }
  return true;
}

// Draws into a bitmap first, so that the window shows only the finished picture.
template <typename Paint>
void PaintBuffered(HDC target, const RECT& client, Paint paint) {
  const UniqueMemoryDc memory(CreateCompatibleDC(target));
  const UniqueBitmap bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
  if (!memory || !bitmap) return paint(target);
  const Selection selectBitmap(memory.get(), bitmap.get());
  paint(memory.get());
  BitBlt(target, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

void PaintEdgeNow(HWND window, bool readOnly) {
  RECT place;
  GetWindowRect(window, &place);
  const WholeWindowDc dc(window);
  PaintFieldEdge(dc.get(), {0, 0, place.right - place.left, place.bottom - place.top},
                 {.disabled = !IsWindowEnabled(window), .readOnly = readOnly}, Colours());
}

bool IsReadOnly(HWND edit) { return (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0; }

LRESULT PushButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      const Painting dc(window);
      RECT client;
      GetClientRect(window, &client);
      const std::string caption = ReadControlText(window);
      const auto buttonState = SendMessageA(window, BM_GETSTATE, 0, 0);
      const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
      const StyledControl* control = Find(window);
      const PushButtonState state{.caption = caption,
                                  .font = FontOf(window),
                                  .alignment = style,
                                  .disabled = !IsWindowEnabled(window),
                                  .pressed = (buttonState & BST_PUSHED) != 0,
                                  .hot = control && control->hot,
                                  .focused = (buttonState & BST_FOCUS) != 0,
                                  .isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON};
      PaintBuffered(dc.get(), client, [&](HDC target) { PaintPushButton(target, client, state, Colours()); });
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      return ForwardAndRedraw(window, message, wParam, lParam, TrackPointer(window, message, lParam));
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
      return ForwardAndRedraw(window, message, wParam, lParam);
  }
  return Forward(window, message, wParam, lParam);
}

LRESULT GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      const Painting dc(window);
      RECT client;
      GetClientRect(window, &client);
      // The parent reports the colours into the DC at each paint, as for the group box's own look.
      SendMessageA(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(window));
      const std::string caption = ReadControlText(window);
      PaintGroupBox(dc.get(), client,
                    {.caption = caption,
                     .font = FontOf(window),
                     .background = GetBkColor(dc.get()),
                     .text = GetTextColor(dc.get())},
                    Colours());
      return 0;
    }
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_UPDATEUISTATE:
      return ForwardAndRedraw(window, message, wParam, lParam);
  }
  return Forward(window, message, wParam, lParam);
}

// The edge lies in the edit box's frame. Windows repaints only the inside when the box is
// enabled, disabled or made read-only, so the edge is painted again then too.
LRESULT FieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCPAINT:
    case WM_ENABLE:
    case EM_SETREADONLY: {
      const LRESULT result = Forward(window, message, wParam, lParam);
      PaintEdgeNow(window, IsReadOnly(window));
      return result;
    }
  }
  return Forward(window, message, wParam, lParam);
}

void StyleOpenList(HWND combo);

void SetHeld(HWND combo, bool held) {
  if (StyledControl* control = Find(combo)) control->held = held;
}

LRESULT ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const LRESULT result = Forward(window, message, wParam, lParam);
      if (result != -1) StyleOpenList(window);
      return result;
    }
    case WM_PAINT: {
      if (wParam) break;  // painting into a given DC is left to the combo box
      const Painting dc(window);
      RECT client;
      GetClientRect(window, &client);
      const StyledControl* control = Find(window);
      const DropButtonState drop{.disabled = !IsWindowEnabled(window),
                                 .held = control && control->held,
                                 .hot = control && control->hot};
      PaintBuffered(dc.get(), client, [&](HDC target) {
        // The combo box paints its text first; its own edge and button are then painted over.
        FillRect(target, &client, GetSysColorBrush(COLOR_WINDOW));
        Forward(window, WM_PAINT, reinterpret_cast<WPARAM>(target), 0);
        PaintFieldEdge(target, client, {.disabled = drop.disabled}, Colours());
        PaintDropButton(target, DropButtonArea(client), drop, Colours());
      });
      return 0;
    }
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      return ForwardAndRedraw(window, message, wParam, lParam, TrackPointer(window, message, lParam));
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetHeld(window, true);
      return ForwardAndRedraw(window, message, wParam, lParam);
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:  // the press ends, or the open list takes it over
      SetHeld(window, false);
      return ForwardAndRedraw(window, message, wParam, lParam);
  }
  return Forward(window, message, wParam, lParam);
}

// The open list gets the edge as the pointer moves onto it and again as it leaves.
LRESULT OpenListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE: {
      const bool changed = TrackPointer(window, message, lParam);
      const LRESULT result = Forward(window, message, wParam, lParam);
      if (changed) PaintEdgeNow(window, false);
      return result;
    }
  }
  return Forward(window, message, wParam, lParam);
}

LRESULT CALLBACK FlatControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const StyledControl* control = Find(window);
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const StyledControl last = *control;
    threadStyle.controls.erase(window);
    return last.unicode ? CallWindowProcW(last.previous, window, message, wParam, lParam)
                        : CallWindowProcA(last.previous, window, message, wParam, lParam);
  }
  switch (control->kind) {
    case FlatKind::kPushButton:
      return PushButtonProc(window, message, wParam, lParam);
    case FlatKind::kGroupBox:
      return GroupBoxProc(window, message, wParam, lParam);
    case FlatKind::kField:
      return FieldProc(window, message, wParam, lParam);
    case FlatKind::kComboBox:
      return ComboBoxProc(window, message, wParam, lParam);
    case FlatKind::kOpenList:
      return OpenListProc(window, message, wParam, lParam);
  }
  return Forward(window, message, wParam, lParam);
}

// The kinds the style takes over; every other window keeps its own look.
std::optional<FlatKind> KindOf(HWND window, DWORD style, DWORD exStyle) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpiA(className, "Button") == 0) {
    if (style & (BS_BITMAP | BS_ICON)) return std::nullopt;
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
        return FlatKind::kPushButton;
      case BS_GROUPBOX:
        return FlatKind::kGroupBox;
    }
    return std::nullopt;
  }
  if (lstrcmpiA(className, "Edit") == 0 && (exStyle & WS_EX_CLIENTEDGE)) return FlatKind::kField;
  const DWORD comboKind = style & 3;
  if (lstrcmpiA(className, "ComboBox") == 0 && (comboKind == CBS_DROPDOWN || comboKind == CBS_DROPDOWNLIST))
    return FlatKind::kComboBox;
  return std::nullopt;
}

bool Subclass(HWND window, FlatKind kind) {
  if (Find(window)) return false;
  const bool unicode = IsWindowUnicode(window) != FALSE;
  const auto previous = reinterpret_cast<WNDPROC>(unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                                          : GetWindowLongPtrA(window, GWLP_WNDPROC));
  try {
    threadStyle.controls.emplace(window, StyledControl{.kind = kind, .previous = previous, .unicode = unicode});
  } catch (const std::bad_alloc&) {
    return false;  // it keeps its own look
  }
  const auto procedure = reinterpret_cast<LONG_PTR>(FlatControlProc);
  if (unicode)
    SetWindowLongPtrW(window, GWLP_WNDPROC, procedure);
  else
    SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
  return true;
}

void StyleOpenList(HWND combo) {
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  if (GetComboBoxInfo(combo, &parts) && parts.hwndList) Subclass(parts.hwndList, FlatKind::kOpenList);
}

LRESULT CALLBACK RestyleOnCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto window = reinterpret_cast<HWND>(wParam);
    const CREATESTRUCTA& create = *reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs;
    if (const auto kind = KindOf(window, static_cast<DWORD>(create.style), create.dwExStyle)) Subclass(window, *kind);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK RestyleExisting(HWND window, LPARAM) {
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  const auto kind = KindOf(window, style, exStyle);
  if (kind && Subclass(window, *kind)) {
    if (*kind == FlatKind::kComboBox) StyleOpenList(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  }
  return TRUE;
}

BOOL CALLBACK RestyleWindowAndChildren(HWND window, LPARAM) {
  RestyleExisting(window, 0);
  EnumChildWindows(window, RestyleExisting, 0);
  return TRUE;
}

}  // namespace

void EnableFlatControlStyle(int variant) {
  if (!FlatColoursFor(variant)) return;
  threadStyle.variant = variant;
  if (!threadStyle.creationHook)
    threadStyle.creationHook.reset(SetWindowsHookExA(WH_CBT, RestyleOnCreation, nullptr, GetCurrentThreadId()));
  EnumThreadWindows(GetCurrentThreadId(), RestyleWindowAndChildren, 0);
}
