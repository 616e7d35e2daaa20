#include "picture_button.h"

#include <windows.h>

namespace {

// Without pictures a picture button shows black.
void Paint(HWND window) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  PatBlt(dc, 0, 0, client.right, client.bottom, BLACKNESS);
  EndPaint(window, &paint);
}

LRESULT CALLBACK PictureButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterPictureButtonClass() {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = PictureButtonProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kPictureButtonClass;
  return RegisterClassExA(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
