#include "picture_button.h"

#include <windowsx.h>

#include <cstring>
#include <new>
#include <optional>
#include <utility>

#include "jpeg_picture.h"
#include "unique_handle.h"

namespace {

enum class ButtonState { kNormal, kHover, kPressed };

// A decoded picture; without a bitmap when it is missing.
struct PictureBitmap {
  UniqueBitmap bitmap;
  int width = 0;
  int height = 0;
};

// What a picture button keeps, from WM_NCCREATE to WM_NCDESTROY.
struct PictureButton {
  PictureBitmap normal;
  PictureBitmap hover;
  ButtonState state = ButtonState::kNormal;
};

PictureButton* ButtonOf(HWND window) {
  return reinterpret_cast<PictureButton*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

PictureBitmap Decode(std::string_view jpeg) {
  const std::optional<JpegPicture> picture = DecodeJpeg(jpeg);
  if (!picture) return {};
  void* bits = nullptr;
  // Rows top-down, as the decoder gives them.
  UniqueBitmap bitmap = CreateTopDownBitmap(picture->width, picture->height, &bits);
  if (!bitmap) return {};
  std::memcpy(bits, picture->pixels.data(), picture->pixels.size());
  return {std::move(bitmap), picture->width, picture->height};
}

// No pressed picture: a pressed button shows its normal picture.
const PictureBitmap& Chosen(const PictureButton& button) {
  return button.state == ButtonState::kHover && button.hover.bitmap ? button.hover : button.normal;
}

// Black, then the picture at (0, 0) in its own size, composed off-screen and copied to dc in
// one step so that nothing flickers.
void PaintPicture(HDC dc, SIZE area, const PictureBitmap& picture) {
  const UniqueMemoryDc offscreenDc(CreateCompatibleDC(dc));
  const UniqueBitmap offscreen(CreateCompatibleBitmap(dc, area.cx, area.cy));
  if (!offscreenDc || !offscreen) return;
  const Selection drawInto(offscreenDc.get(), offscreen.get());
  PatBlt(offscreenDc.get(), 0, 0, area.cx, area.cy, BLACKNESS);
  if (picture.bitmap) {
    const UniqueMemoryDc pictureDc(CreateCompatibleDC(dc));
    const Selection readFrom(pictureDc.get(), picture.bitmap.get());
    BitBlt(offscreenDc.get(), 0, 0, picture.width, picture.height, pictureDc.get(), 0, 0, SRCCOPY);
  }
  BitBlt(dc, 0, 0, area.cx, area.cy, offscreenDc.get(), 0, 0, SRCCOPY);
}

void Paint(HWND window, const PictureButton& button) {
  const Painting dc(window);
  RECT client;
  GetClientRect(window, &client);
  PaintPicture(dc.get(), {client.right, client.bottom}, Chosen(button));
}

void Repaint(HWND window) {
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

void ChangeState(HWND window, PictureButton& button, ButtonState next) {
  if (button.state == next) return;
  button.state = next;
  Repaint(window);
}

// Whether the mouse message's point lies in the client area and the button takes input.
bool TakesPoint(HWND window, LPARAM lParam) {
  RECT client;
  GetClientRect(window, &client);
  return IsWindowEnabled(window) && PtInRect(&client, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

void OnPress(HWND window, PictureButton& button, LPARAM lParam) {
  if (!TakesPoint(window, lParam)) return;
  SetCapture(window);
  ChangeState(window, button, ButtonState::kPressed);
}

// The button holds the capture while the pointer is over it, so that it sees the pointer
// leave; with the left button down it keeps it, so that the release comes back to it.
void OnMove(HWND window, PictureButton& button, WPARAM keys, LPARAM lParam) {
  const bool leftDown = (keys & MK_LBUTTON) != 0;
  POINT onScreen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window, &onScreen);
  const HWND top = WindowFromPoint(onScreen);
  if (TakesPoint(window, lParam) && (top == window || !top)) {
    if (GetCapture() != window) SetCapture(window);
    ChangeState(window, button, leftDown ? ButtonState::kPressed : ButtonState::kHover);
  } else {
    if (!leftDown && GetCapture() == window) ReleaseCapture();
    ChangeState(window, button, ButtonState::kNormal);
  }
}

// A release outside keeps the state of the last move: normal once the pointer has left.
void OnRelease(HWND window, PictureButton& button, LPARAM lParam) {
  ReleaseCapture();
  if (TakesPoint(window, lParam)) ChangeState(window, button, ButtonState::kNormal);
}

LRESULT CALLBACK PictureButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    PictureButton* button = new (std::nothrow) PictureButton;
    if (!button) return FALSE;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(button));
  }
  PictureButton* button = ButtonOf(window);
  if (!button) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      delete button;
      break;
    case WM_PAINT:
      Paint(window, *button);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // the class takes double clicks: the second press comes as this
      OnPress(window, *button, lParam);
      return 0;
    case WM_MOUSEMOVE:
      OnMove(window, *button, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      OnRelease(window, *button, lParam);
      return 0;
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

std::string_view ResourceBytes(int id) {
  const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_RCDATA);
  const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}

void SetPictureButtonPictures(HWND button, std::string_view normal, std::string_view hover) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC)) != PictureButtonProc) return;
  PictureButton* pictures = ButtonOf(button);
  if (!pictures) return;
  pictures->normal = Decode(normal);
  pictures->hover = Decode(hover);
  Repaint(button);
}
