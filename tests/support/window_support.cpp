#include "window_support.h"

#include "frame.h"
#include "unique_handle.h"

void Pump(unsigned ms) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT || PreTranslateMainWindowMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (ms) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount() - start < ms);
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Pump(10);
  }
  return true;
}

namespace {

// Every mouse event carries its own screen position: a separate SetCursorPos would warp the X
// pointer, and the desktop's late echo of an earlier warp could move the cursor between a
// press and its release.
void SendMouseAt(HWND window, int x, int y, DWORD buttons) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (point.x * 65536 + width - 1) / width;
  input.mi.dy = (point.y * 65536 + height - 1) / height;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  SendInput(1, &input, sizeof input);
  Pump(30);
}

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

constexpr const char* kGameKey = "SOFTWARE\\Tencent\\LOL";

}  // namespace

void MoveMouseTo(HWND window, int x, int y) { SendMouseAt(window, x, y, 0); }

void PressMouseAt(HWND window, int x, int y) {
  SendMouseAt(window, x, y, 0);
  SendMouseAt(window, x, y, MOUSEEVENTF_LEFTDOWN);
}

void ReleaseMouseAt(HWND window, int x, int y) {
  SendMouseAt(window, x, y, 0);
  SendMouseAt(window, x, y, MOUSEEVENTF_LEFTUP);
}

void ClickAt(HWND window, int x, int y) {
  PressMouseAt(window, x, y);
  ReleaseMouseAt(window, x, y);
}

void ClickCentre(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  ClickAt(window, client.right / 2, client.bottom / 2);
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
  for (WORD modifier : modifiers) SendKey(modifier, false);
  SendKey(key, false);
  SendKey(key, true);
  for (WORD modifier : modifiers) SendKey(modifier, true);
  Pump(50);
}

void SetInstallPath(const std::string& path) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key,
                  nullptr);
  RegSetValueExA(key, "InstallPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                 static_cast<DWORD>(path.size() + 1));
  RegCloseKey(key);
}

void RemoveInstallPath() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, "InstallPath");
  RegCloseKey(key);
}

Capture::Capture(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  Pump(100);
  GdiFlush();
  RECT place;
  GetWindowRect(window, &place);
  width_ = place.right - place.left;
  height_ = place.bottom - place.top;

  void* bits = nullptr;
  const WindowDc screen(nullptr);
  const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  const UniqueBitmap bitmap = CreateTopDownBitmap(width_, height_, &bits);
  const Selection selectBitmap(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, width_, height_, screen.get(), place.left, place.top, SRCCOPY);
  GdiFlush();
  const auto* rows = static_cast<const DWORD*>(bits);
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    const DWORD bgra = rows[i];
    pixels_[i] = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
  }
}

COLORREF Capture::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

POINT Capture::ClientOrigin(HWND outer, HWND inner) {
  RECT outerPlace;
  GetWindowRect(outer, &outerPlace);
  POINT origin{0, 0};
  ClientToScreen(inner, &origin);
  return {origin.x - outerPlace.left, origin.y - outerPlace.top};
}

RECT PlaceInParent(HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}


namespace {
thread_local CreationRecorder* activeRecorder = nullptr;
}

CreationRecorder::CreationRecorder() : hook_(SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId())) {
  activeRecorder = this;
}

CreationRecorder::~CreationRecorder() {
  UnhookWindowsHookEx(hook_);
  activeRecorder = nullptr;
}

LRESULT CALLBACK CreationRecorder::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && activeRecorder) {
    const CREATESTRUCTA& create = *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    Created created{ClassNameOf(reinterpret_cast<HWND>(wParam)), create.lpszName ? create.lpszName : "",
                    static_cast<DWORD>(create.style), create.dwExStyle,
                    {create.x, create.y, create.x + create.cx, create.y + create.cy}};
    activeRecorder->created_.push_back(created);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
