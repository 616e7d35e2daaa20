#pragma once
// One owner for each Windows handle, from the call that makes it to its release.

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) {
    if (*this) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { CloseHandle(handle); }
};
using UniqueFile = UniqueHandle<FileHandleTraits>;

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { FindClose(handle); }
};
using UniqueFind = UniqueHandle<FindHandleTraits>;

struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle key) { RegCloseKey(key); }
};
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;

template <typename GdiHandle>
struct GdiObjectTraits {
  using Handle = GdiHandle;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle object) { DeleteObject(object); }
};
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;

// A 32-bit bitmap with rows top-down, its pixels (BGRA) writable at *bits.
inline UniqueBitmap CreateTopDownBitmap(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle icon) { DestroyIcon(icon); }
};
using UniqueIcon = UniqueHandle<IconTraits>;

struct HookTraits {
  using Handle = HHOOK;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle hook) { UnhookWindowsHookEx(hook); }
};
using UniqueHook = UniqueHandle<HookTraits>;

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle dc) { DeleteDC(dc); }
};
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

// A window's device context from GetDC, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { ReleaseDC(window_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for one scope and puts the previous one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// One WM_PAINT: BeginPaint on construction, EndPaint on every way out.
class Painting {
 public:
  explicit Painting(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~Painting() { EndPaint(window_, &paint_); }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;
  HDC get() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};
