#pragma once
// A 32-bit bitmap that the flat look's painting functions draw into and the tests read back,
// and small helpers for comparing colours.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "unique_handle.h"

class Canvas {
 public:
  Canvas(int width, int height, COLORREF background) : width_(width), height_(height) {
    void* bits = nullptr;
    bitmap_ = CreateTopDownBitmap(width, height, &bits);
    bits_ = static_cast<const DWORD*>(bits);
    selection_ = std::make_unique<Selection>(dc_.get(), bitmap_.get());
    SetDCBrushColor(dc_.get(), background);
    const RECT all{0, 0, width, height};
    FillRect(dc_.get(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const {
    GdiFlush();
    const DWORD bgra = bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
  }

 private:
  int width_;
  int height_;
  UniqueMemoryDc dc_{CreateCompatibleDC(nullptr)};
  UniqueBitmap bitmap_;
  std::unique_ptr<Selection> selection_;
  const DWORD* bits_ = nullptr;
};

inline constexpr COLORREF kUntouched = RGB(255, 0, 255);  // a canvas pixel nothing painted

inline COLORREF ButtonFace() { return GetSysColor(COLOR_BTNFACE); }
inline COLORREF WindowColour() { return GetSysColor(COLOR_WINDOW); }

constexpr COLORREF Hex(unsigned rrggbb) { return RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF); }

inline std::string HexOf(COLORREF colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

// Whether each channel of actual lies within tolerance of expected.
inline bool Near(COLORREF actual, COLORREF expected, int tolerance) {
  return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
         std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
         std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

// The largest change of one channel between two neighbouring rows of a gradient from `from`
// to `to` over `rows` rows, rounded up, plus one for rounding: how close the last row of a
// gradient comes to its end colour.
inline int GradientStep(COLORREF from, COLORREF to, int rows) {
  const int widest = std::max({std::abs(GetRValue(from) - GetRValue(to)), std::abs(GetGValue(from) - GetGValue(to)),
                               std::abs(GetBValue(from) - GetBValue(to))});
  return (widest + rows - 1) / rows + 1;
}
