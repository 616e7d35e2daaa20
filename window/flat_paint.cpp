#include "flat_paint.h"

#include <algorithm>
#include <cstdlib>

#include "unique_handle.h"

namespace {

constexpr COLORREF Hex(unsigned rrggbb) { return RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF); }

constexpr Corners Flat(COLORREF colour) { return {colour, colour, colour, colour}; }

constexpr FlatColours kOliveGreenColours{
    .buttonBorder = Hex(0x376206),
    .normalRing = {Hex(0xFFFFFF), Hex(0xE2DFD6)},
    .litRing = {Hex(0xFFF0CF), Hex(0xE59700)},
    .buttonFace = {Hex(0xFCFCFB), Hex(0xECE1C9)},
    .pressedFill = Hex(0xEFE3CE),
    .disabledFill = Hex(0xF5F4EA),
    .caption = Hex(0x000000),
    .disabledCaption = Hex(0xA5A294),
    .fieldLine = Hex(0xA4B97F),
    .dropNormal = {Flat(Hex(0x8E997D)), {Hex(0xB6C4A1), Hex(0x95A775), Hex(0x95A775), Hex(0x95A775)}, Hex(0xFFFFFF)},
    .dropHot = {Flat(Hex(0x768361)), Flat(Hex(0xA2B38D)), Hex(0xFFFFFF)},
    .dropHeld = {Flat(Hex(0x768361)), Flat(Hex(0x8B9377)), Hex(0xFFFFFF)},
    .dropDisabled = {{Hex(0xF7F3EF), Hex(0xE7E7DE), Hex(0xE7E3DE), Hex(0xE7E3DE)},
                     {Hex(0xF7F7F7), Hex(0xEFEFE7), Hex(0xEFEBE7), Hex(0xE7E7DE)},
                     Hex(0xCECBC6)},
    .groupFrame = Hex(0xBFB8BF),
};

constexpr int kChevronWidth = 9;
constexpr int kChevronStrokes = 3;
constexpr int kChevronHeight = kChevronWidth / 2 + kChevronStrokes;
constexpr int kCaptionGap = 5;  // the group box's top line stops this far from its caption

COLORREF ButtonFace() { return GetSysColor(COLOR_BTNFACE); }
COLORREF WindowColour() { return GetSysColor(COLOR_WINDOW); }

RECT Inset(const RECT& rect, int by) { return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by}; }

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Ring(HDC dc, const RECT& rect, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
  return {x, y, static_cast<COLOR16>(GetRValue(colour) << 8), static_cast<COLOR16>(GetGValue(colour) << 8),
          static_cast<COLOR16>(GetBValue(colour) << 8), 0};
}

void FillGradient(HDC dc, const RECT& rect, const Gradient& gradient) {
  if (gradient.top == gradient.bottom) return Fill(dc, rect, gradient.top);
  TRIVERTEX vertices[] = {Vertex(rect.left, rect.top, gradient.top), Vertex(rect.right, rect.bottom, gradient.bottom)};
  GRADIENT_RECT mesh{0, 1};
  GdiGradientFill(dc, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
}

void FillCorners(HDC dc, const RECT& rect, const Corners& corners) {
  if (corners.topLeft == corners.topRight && corners.topLeft == corners.bottomLeft &&
      corners.topLeft == corners.bottomRight)
    return Fill(dc, rect, corners.topLeft);
  TRIVERTEX vertices[] = {Vertex(rect.left, rect.top, corners.topLeft), Vertex(rect.right, rect.top, corners.topRight),
                          Vertex(rect.left, rect.bottom, corners.bottomLeft),
                          Vertex(rect.right, rect.bottom, corners.bottomRight)};
  GRADIENT_TRIANGLE mesh[] = {{0, 1, 2}, {1, 3, 2}};
  GdiGradientFill(dc, vertices, 4, mesh, 2, GRADIENT_FILL_TRIANGLE);
}

// Calls paint(x, y, dx, dy) for each corner pixel of rect, with dx, dy pointing inwards.
template <typename Paint>
void ForEachCorner(const RECT& rect, Paint paint) {
  paint(rect.left, rect.top, 1, 1);
  paint(rect.right - 1, rect.top, -1, 1);
  paint(rect.left, rect.bottom - 1, 1, -1);
  paint(rect.right - 1, rect.bottom - 1, -1, -1);
}

UINT HorizontalFormat(DWORD alignment) {
  switch (alignment & BS_CENTER) {
    case BS_LEFT:
      return DT_LEFT;
    case BS_RIGHT:
      return DT_RIGHT;
  }
  return DT_CENTER;
}

// The caption inside the face, broken at the face's width and at line breaks.
void PaintCaption(HDC dc, const RECT& face, const PushButtonState& state, COLORREF colour) {
  if (state.caption.empty()) return;
  const Selection selectFont(dc, state.font ? state.font : GetStockObject(SYSTEM_FONT));
  const UINT format = DT_WORDBREAK | HorizontalFormat(state.alignment);
  const int length = static_cast<int>(state.caption.size());
  RECT measured = face;
  DrawTextA(dc, state.caption.data(), length, &measured, format | DT_CALCRECT);
  const int height = measured.bottom - measured.top;
  RECT area = face;
  if (state.pressed) OffsetRect(&area, 1, 1);
  int top = area.top + (area.bottom - area.top - height) / 2;
  if ((state.alignment & BS_VCENTER) == BS_TOP) top = area.top;
  if ((state.alignment & BS_VCENTER) == BS_BOTTOM) top = area.bottom - height;
  RECT place{area.left, top, area.right, top + height};
  IntersectRect(&place, &place, &area);  // a caption too tall for the face is cut off there
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextA(dc, state.caption.data(), length, &place, format);
}

void PaintChevron(HDC dc, const RECT& button, COLORREF colour) {
  const int left = button.left + (button.right - button.left - kChevronWidth) / 2;
  const int top = button.top + (button.bottom - button.top - kChevronHeight) / 2;
  const int middle = kChevronWidth / 2;
  for (int column = 0; column < kChevronWidth; ++column) {
    const int drop = middle - std::abs(column - middle);
    Fill(dc, {left + column, top + drop, left + column + 1, top + drop + kChevronStrokes}, colour);
  }
}

}  // namespace

const FlatColours* FlatColoursFor(int variant) { return variant == kOliveGreen ? &kOliveGreenColours : nullptr; }

COLORREF DimmedButtonFace() {
  const COLORREF face = ButtonFace();
  const auto dim = [](BYTE channel) { return static_cast<BYTE>(std::max(channel - 0x20, 0)); };
  return RGB(dim(GetRValue(face)), dim(GetGValue(face)), dim(GetBValue(face)));
}

void PaintPushButton(HDC dc, const RECT& rect, const PushButtonState& state, const FlatColours& colours) {
  // Precedence: disabled, pressed, pointer over it, keyboard focus or default, normal.
  const bool lit = state.hot || state.focused || state.isDefault;
  const COLORREF border = state.disabled ? DimmedButtonFace() : colours.buttonBorder;
  Ring(dc, rect, ButtonFace());
  Ring(dc, Inset(rect, 1), border);
  const RECT inside = Inset(rect, 2);
  if (state.disabled) {
    Fill(dc, inside, colours.disabledFill);
  } else if (state.pressed) {
    Fill(dc, inside, colours.pressedFill);
  } else {
    FillGradient(dc, inside, lit ? colours.litRing : colours.normalRing);
    FillGradient(dc, Inset(rect, 4), colours.buttonFace);
  }
  // Rounded corners: the border's corner goes to the face colour, the pixel inside it to the border.
  ForEachCorner(Inset(rect, 1), [&](int x, int y, int dx, int dy) {
    SetPixelV(dc, x, y, ButtonFace());
    SetPixelV(dc, x + dx, y + dy, border);
  });
  PaintCaption(dc, Inset(rect, 4), state, state.disabled ? colours.disabledCaption : colours.caption);
  if (state.focused && !state.disabled) {
    // DrawFocusRect inverts where its dotted pattern meets the text colour.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    const RECT focus = Inset(rect, 3);
    DrawFocusRect(dc, &focus);
  }
}

void PaintFieldEdge(HDC dc, const RECT& rect, const FieldEdgeState& state, const FlatColours& colours) {
  Ring(dc, rect, state.disabled ? DimmedButtonFace() : colours.fieldLine);
  Ring(dc, Inset(rect, 1), state.disabled || state.readOnly ? ButtonFace() : WindowColour());
}

RECT DropButtonArea(const RECT& comboClient) {
  // The column and the button together are as wide as a vertical scroll thumb is high.
  const int width = GetSystemMetrics(SM_CYVTHUMB);
  return {comboClient.right - 2 - width, comboClient.top + 2, comboClient.right - 2, comboClient.bottom - 2};
}

void PaintDropButton(HDC dc, const RECT& area, const DropButtonState& state, const FlatColours& colours) {
  // Precedence: disabled, held, pointer over it, normal.
  const DropButtonLook& look = state.disabled ? colours.dropDisabled
                               : state.held   ? colours.dropHeld
                               : state.hot    ? colours.dropHot
                                              : colours.dropNormal;
  Fill(dc, {area.left, area.top, area.left + 1, area.bottom}, WindowColour());
  const RECT button{area.left + 1, area.top, area.right, area.bottom};
  FillCorners(dc, button, look.ring);
  FillCorners(dc, Inset(button, 1), look.fill);
  // Rounded corners: the ring's corner pixels take the window colour around the button.
  ForEachCorner(button, [&](int x, int y, int, int) { SetPixelV(dc, x, y, WindowColour()); });
  PaintChevron(dc, button, look.chevron);
}

void PaintGroupBox(HDC dc, const RECT& rect, const GroupBoxState& state, const FlatColours& colours) {
  const Selection selectFont(dc, state.font ? state.font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const int length = static_cast<int>(state.caption.size());
  RECT caption{0, 0, 0, 0};
  if (length > 0) DrawTextA(dc, state.caption.data(), length, &caption, DT_SINGLELINE | DT_CALCRECT);
  const int captionWidth = caption.right - caption.left;
  const int captionLeft = rect.left + (rect.right - rect.left - captionWidth) / 2;
  caption = {captionLeft, rect.top, captionLeft + captionWidth, rect.top + metrics.tmHeight};
  const int line = rect.top + metrics.tmHeight / 2;

  // The band above and just below the top line, the caption and 2-px margins on the other sides.
  Fill(dc, {rect.left, rect.top, rect.right, line + 2}, state.background);
  Fill(dc, caption, state.background);
  Fill(dc, {rect.left, rect.top, rect.left + 2, rect.bottom}, state.background);
  Fill(dc, {rect.right - 2, rect.top, rect.right, rect.bottom}, state.background);
  Fill(dc, {rect.left, rect.bottom - 2, rect.right, rect.bottom}, state.background);

  const RECT frame{rect.left, line, rect.right, rect.bottom};
  Ring(dc, frame, colours.groupFrame);
  if (length > 0) Fill(dc, {caption.left - kCaptionGap, line, caption.right + kCaptionGap, line + 1}, state.background);
  // Bevelled corners: three pixels of background along the edges, two of frame across.
  ForEachCorner(frame, [&](int x, int y, int dx, int dy) {
    for (const POINT pixel : {POINT{x, y}, POINT{x + dx, y}, POINT{x + 2 * dx, y}, POINT{x, y + dy}, POINT{x, y + 2 * dy}})
      SetPixelV(dc, pixel.x, pixel.y, state.background);
    SetPixelV(dc, x + 2 * dx, y + dy, colours.groupFrame);
    SetPixelV(dc, x + dx, y + 2 * dy, colours.groupFrame);
  });

  if (length > 0) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state.text);
    DrawTextA(dc, state.caption.data(), length, &caption, DT_SINGLELINE);
  }
}
