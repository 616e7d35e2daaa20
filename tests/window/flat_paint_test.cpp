// The flat look's painting functions drawn into a bitmap: the colours at the places the look
// defines, for every state and in the order of precedence between states.
#include <gtest/gtest.h>

#include <vector>

#include "flat_canvas.h"
#include "flat_paint.h"

namespace {

const FlatColours& OliveGreen() { return *FlatColoursFor(kOliveGreen); }

UniqueFont MakeFont(int height) {
  return UniqueFont(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, "微软雅黑"));
}

TEST(FlatColours, OnlyTheOliveGreenVariantExists) {
  EXPECT_EQ(kOliveGreen, 2);
  EXPECT_NE(FlatColoursFor(2), nullptr);
  EXPECT_EQ(FlatColoursFor(0), nullptr);
  EXPECT_EQ(FlatColoursFor(1), nullptr);
  EXPECT_EQ(FlatColoursFor(3), nullptr);
}

TEST(FlatColours, DimmedButtonFaceIsButtonFaceLess0x20PerChannel) {
  const COLORREF face = ButtonFace();
  ASSERT_GE(std::min({GetRValue(face), GetGValue(face), GetBValue(face)}), 0x20);
  EXPECT_EQ(HexOf(DimmedButtonFace()),
            HexOf(RGB(GetRValue(face) - 0x20, GetGValue(face) - 0x20, GetBValue(face) - 0x20)));
}

// ---- Push buttons ----

struct PushLook {
  COLORREF border;
  Gradient ring;
  Gradient face;
  COLORREF caption;
};

struct PushCase {
  const char* name;
  PushButtonState state;
  PushLook look;
};

std::vector<PushCase> PushCases() {
  const Gradient face{Hex(0xFCFCFB), Hex(0xECE1C9)};
  const PushLook normal{Hex(0x376206), {Hex(0xFFFFFF), Hex(0xE2DFD6)}, face, Hex(0x000000)};
  const PushLook lit{Hex(0x376206), {Hex(0xFFF0CF), Hex(0xE59700)}, face, Hex(0x000000)};
  const Gradient pressedFill{Hex(0xEFE3CE), Hex(0xEFE3CE)};
  const PushLook pressed{Hex(0x376206), pressedFill, pressedFill, Hex(0x000000)};
  const Gradient disabledFill{Hex(0xF5F4EA), Hex(0xF5F4EA)};
  const PushLook disabled{DimmedButtonFace(), disabledFill, disabledFill, Hex(0xA5A294)};
  return {
      {"normal", {}, normal},
      {"keyboard focus", {.focused = true}, lit},
      {"default button", {.isDefault = true}, lit},
      {"pointer over it", {.hot = true}, lit},
      {"pointer over the focused default button", {.hot = true, .focused = true, .isDefault = true}, lit},
      {"pressed", {.pressed = true}, pressed},
      {"pressed under the pointer with the focus", {.pressed = true, .hot = true, .focused = true}, pressed},
      {"disabled", {.disabled = true}, disabled},
      {"disabled and everything else", {.disabled = true, .pressed = true, .hot = true, .isDefault = true}, disabled},
  };
}

constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 32;

Canvas PaintedButton(PushButtonState state, HFONT font, std::string_view caption = "确定",
                     int height = kButtonHeight) {
  Canvas canvas(kButtonWidth, height, kUntouched);
  state.caption = caption;
  state.font = font;
  PaintPushButton(canvas.dc(), {0, 0, kButtonWidth, height}, state, OliveGreen());
  return canvas;
}

TEST(PushButtonPaint, PaintsEachStateInItsColours) {
  const UniqueFont font = MakeFont(-14);
  constexpr int w = kButtonWidth;
  constexpr int h = kButtonHeight;
  for (const PushCase& c : PushCases()) {
    SCOPED_TRACE(c.name);
    const Canvas button = PaintedButton(c.state, font.get());
    const PushLook& look = c.look;
    // Outermost ring in button face.
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(HexOf(button.at(x, 0)), HexOf(ButtonFace())) << x;
      ASSERT_EQ(HexOf(button.at(x, h - 1)), HexOf(ButtonFace())) << x;
    }
    for (int y = 0; y < h; ++y) {
      ASSERT_EQ(HexOf(button.at(0, y)), HexOf(ButtonFace())) << y;
      ASSERT_EQ(HexOf(button.at(w - 1, y)), HexOf(ButtonFace())) << y;
    }
    // The border, its corners rounded: corner in button face, the pixel inside it in the border colour.
    for (int x = 2; x <= w - 3; ++x) {
      ASSERT_EQ(HexOf(button.at(x, 1)), HexOf(look.border)) << x;
      ASSERT_EQ(HexOf(button.at(x, h - 2)), HexOf(look.border)) << x;
    }
    for (int y = 2; y <= h - 3; ++y) {
      ASSERT_EQ(HexOf(button.at(1, y)), HexOf(look.border)) << y;
      ASSERT_EQ(HexOf(button.at(w - 2, y)), HexOf(look.border)) << y;
    }
    for (const POINT corner : {POINT{1, 1}, POINT{w - 2, 1}, POINT{1, h - 2}, POINT{w - 2, h - 2}})
      EXPECT_EQ(HexOf(button.at(corner.x, corner.y)), HexOf(ButtonFace())) << corner.x << "," << corner.y;
    for (const POINT inside : {POINT{2, 2}, POINT{w - 3, 2}, POINT{2, h - 3}, POINT{w - 3, h - 3}})
      EXPECT_EQ(HexOf(button.at(inside.x, inside.y)), HexOf(look.border)) << inside.x << "," << inside.y;
    // The state ring: its gradient runs from 2 px below the top to 2 px above the bottom.
    const int ringStep = GradientStep(look.ring.top, look.ring.bottom, h - 4);
    for (int x = 3; x <= w - 4; ++x) {
      ASSERT_EQ(HexOf(button.at(x, 2)), HexOf(look.ring.top)) << x;
      ASSERT_EQ(button.at(x, h - 3), button.at(3, h - 3)) << x;
    }
    EXPECT_TRUE(Near(button.at(3, h - 3), look.ring.bottom, ringStep)) << HexOf(button.at(3, h - 3));
    for (int y = 3; y <= h - 4; ++y) ASSERT_EQ(button.at(2, y), button.at(w - 3, y)) << y;
    // The face, from 4 px in.
    const int faceStep = GradientStep(look.face.top, look.face.bottom, h - 8);
    for (int x = 4; x <= w - 5; ++x) {
      ASSERT_EQ(HexOf(button.at(x, 4)), HexOf(look.face.top)) << x;
      ASSERT_EQ(button.at(x, h - 5), button.at(4, h - 5)) << x;
    }
    EXPECT_TRUE(Near(button.at(4, h - 5), look.face.bottom, faceStep)) << HexOf(button.at(4, h - 5));
    for (int y = 4; y <= h - 5; ++y) ASSERT_EQ(button.at(4, y), button.at(w - 5, y)) << y;
    // The caption's own colour, whatever text colour the button has.
    int captionPixels = 0;
    for (int y = 4; y <= h - 5; ++y)
      for (int x = 4; x <= w - 5; ++x) captionPixels += button.at(x, y) == look.caption;
    EXPECT_GT(captionPixels, 10);
  }
}

TEST(PushButtonPaint, DrawsADottedFocusRectangle3PxInside) {
  const UniqueFont font = MakeFont(-14);
  // The default button has the same colours as the focused one, without the focus rectangle.
  const Canvas plain = PaintedButton({.isDefault = true}, font.get());
  const Canvas focused = PaintedButton({.focused = true}, font.get());
  constexpr int w = kButtonWidth;
  constexpr int h = kButtonHeight;
  const auto onOutline = [](int x, int y) {
    return ((x == 3 || x == w - 4) && y >= 3 && y <= h - 4) || ((y == 3 || y == h - 4) && x >= 3 && x <= w - 4);
  };
  int inverted = 0;
  int outline = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!onOutline(x, y)) {
        ASSERT_EQ(focused.at(x, y), plain.at(x, y)) << x << "," << y;
        continue;
      }
      ++outline;
      const bool flipped = focused.at(x, y) == (plain.at(x, y) ^ 0xFFFFFF);
      ASSERT_TRUE(flipped || focused.at(x, y) == plain.at(x, y)) << x << "," << y;
      inverted += flipped;
    }
  // Dotted: along each line every other pixel is inverted.
  for (int x = 3; x < w - 4; ++x)
    EXPECT_NE(focused.at(x, 3) == plain.at(x, 3), focused.at(x + 1, 3) == plain.at(x + 1, 3)) << x;
  EXPECT_NEAR(inverted, outline / 2, 2);
}

using Mask = std::vector<std::vector<bool>>;

// The caption's pixels: those of the face that differ from the same button without a caption.
Mask CaptionMask(const PushButtonState& state, HFONT font, std::string_view caption, int height = kButtonHeight) {
  const Canvas button = PaintedButton(state, font, caption, height);
  const Canvas blank = PaintedButton(state, font, "", height);
  Mask mask(static_cast<std::size_t>(height), std::vector<bool>(kButtonWidth, false));
  for (int y = 4; y <= height - 5; ++y)
    for (int x = 4; x <= kButtonWidth - 5; ++x)
      mask[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = button.at(x, y) != blank.at(x, y);
  return mask;
}

TEST(PushButtonPaint, MovesThePressedCaptionOnePixelRightAndDown) {
  const UniqueFont font = MakeFont(-14);
  const Mask normal = CaptionMask({}, font.get(), "确定");
  const Mask pressed = CaptionMask({.pressed = true}, font.get(), "确定");
  int captionPixels = 0;
  for (std::size_t y = 4; y + 1 <= kButtonHeight - 5; ++y)
    for (std::size_t x = 4; x + 1 <= kButtonWidth - 5; ++x) {
      ASSERT_EQ(pressed[y + 1][x + 1], normal[y][x]) << x << "," << y;
      captionPixels += normal[y][x];
    }
  EXPECT_GT(captionPixels, 10);
}

struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

Box CaptionBox(const PushButtonState& state, HFONT font, std::string_view caption, int height = kButtonHeight) {
  const Mask mask = CaptionMask(state, font, caption, height);
  Box box;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < kButtonWidth; ++x)
      if (mask[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
  return box;
}

TEST(PushButtonPaint, PlacesTheCaptionByTheButtonsAlignment) {
  const UniqueFont font = MakeFont(-14);
  const std::string caption = "确定";
  SIZE extent{};
  {
    const Canvas measure(1, 1, kUntouched);
    const Selection selectFont(measure.dc(), font.get());
    GetTextExtentPoint32A(measure.dc(), caption.c_str(), static_cast<int>(caption.size()), &extent);
  }
  // How far the caption's cell can move inside the 72 x 24 face.
  const int spareX = kButtonWidth - 8 - extent.cx;
  const int spareY = kButtonHeight - 8 - extent.cy;
  const Box centred = CaptionBox({.alignment = BS_CENTER | BS_VCENTER}, font.get(), caption);
  const Box plain = CaptionBox({}, font.get(), caption);  // a push button's default
  EXPECT_EQ(plain.left, centred.left);
  EXPECT_EQ(plain.top, centred.top);
  const struct {
    DWORD alignment;
    int dx, dy;  // from the centred place
  } cases[] = {
      {BS_LEFT | BS_TOP, -spareX / 2, -spareY / 2},
      {BS_RIGHT | BS_BOTTOM, spareX - spareX / 2, spareY - spareY / 2},
      {BS_LEFT | BS_VCENTER, -spareX / 2, 0},
      {BS_CENTER | BS_BOTTOM, 0, spareY - spareY / 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "alignment " << std::hex << c.alignment);
    const Box placed = CaptionBox({.alignment = c.alignment}, font.get(), caption);
    EXPECT_NEAR(placed.left - centred.left, c.dx, 1);
    EXPECT_NEAR(placed.top - centred.top, c.dy, 1);
    EXPECT_EQ(placed.right - placed.left, centred.right - centred.left);
  }
}

TEST(PushButtonPaint, BreaksTheCaptionAtLineBreaksAndAtTheFaceWidth) {
  constexpr int height = 48;  // room for two lines
  const UniqueFont font = MakeFont(-12);
  const Box oneLine = CaptionBox({}, font.get(), "确定", height);
  const Box broken = CaptionBox({}, font.get(), "确定\r\n确定", height);
  const Box wrapped = CaptionBox({}, font.get(), "确定 确定 确定 确定", height);
  for (const Box& twoLines : {broken, wrapped}) {
    EXPECT_GT(twoLines.bottom - twoLines.top, 3 * (oneLine.bottom - oneLine.top) / 2);
    EXPECT_GE(twoLines.left, 4);
    EXPECT_LE(twoLines.right, kButtonWidth - 4);
    EXPECT_LE(twoLines.bottom, height - 4);
  }
}

// ---- Edit box and combo box edge ----

struct EdgeCase {
  const char* name;
  FieldEdgeState state;
  COLORREF line;
  COLORREF ring;
};

TEST(FieldEdgePaint, PaintsTheLineAndTheRingForEachState) {
  const EdgeCase cases[] = {
      {"normal", {}, Hex(0xA4B97F), WindowColour()},
      {"read-only", {.readOnly = true}, Hex(0xA4B97F), ButtonFace()},
      {"disabled", {.disabled = true}, DimmedButtonFace(), ButtonFace()},
      {"disabled and read-only", {.disabled = true, .readOnly = true}, DimmedButtonFace(), ButtonFace()},
  };
  constexpr int w = 100;
  constexpr int h = 24;
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas field(w, h, kUntouched);
    PaintFieldEdge(field.dc(), {0, 0, w, h}, c.state, OliveGreen());
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int depth = std::min({x, y, w - 1 - x, h - 1 - y});
        const COLORREF expected = depth == 0 ? c.line : depth == 1 ? c.ring : kUntouched;
        ASSERT_EQ(HexOf(field.at(x, y)), HexOf(expected)) << x << "," << y;
      }
  }
}

// ---- Drop button ----

TEST(DropButtonPaint, LiesTwoPixelsInAndIsAsWideAsAScrollThumbIsHigh) {
  const RECT area = DropButtonArea({0, 0, 100, 24});
  EXPECT_EQ(area.left, 98 - GetSystemMetrics(SM_CYVTHUMB));
  EXPECT_EQ(area.top, 2);
  EXPECT_EQ(area.right, 98);
  EXPECT_EQ(area.bottom, 22);
}

struct DropCase {
  const char* name;
  DropButtonState state;
  Corners ring;
  Corners fill;
  COLORREF chevron;
};

constexpr Corners Flat(COLORREF colour) { return {colour, colour, colour, colour}; }
bool IsFlat(const Corners& c) {
  return c.topLeft == c.topRight && c.topLeft == c.bottomLeft && c.topLeft == c.bottomRight;
}

TEST(DropButtonPaint, PaintsEachStateWithItsRingFillAndChevron) {
  const Corners normalFill{Hex(0xB6C4A1), Hex(0x95A775), Hex(0x95A775), Hex(0x95A775)};
  const Corners disabledRing{Hex(0xF7F3EF), Hex(0xE7E7DE), Hex(0xE7E3DE), Hex(0xE7E3DE)};
  const Corners disabledFill{Hex(0xF7F7F7), Hex(0xEFEFE7), Hex(0xEFEBE7), Hex(0xE7E7DE)};
  const DropCase cases[] = {
      {"normal", {}, Flat(Hex(0x8E997D)), normalFill, Hex(0xFFFFFF)},
      {"pointer over the combo box", {.hot = true}, Flat(Hex(0x768361)), Flat(Hex(0xA2B38D)), Hex(0xFFFFFF)},
      {"held down", {.held = true}, Flat(Hex(0x768361)), Flat(Hex(0x8B9377)), Hex(0xFFFFFF)},
      {"held down under the pointer", {.held = true, .hot = true}, Flat(Hex(0x768361)), Flat(Hex(0x8B9377)),
       Hex(0xFFFFFF)},
      {"disabled", {.disabled = true}, disabledRing, disabledFill, Hex(0xCECBC6)},
      {"disabled and everything else", {.disabled = true, .held = true, .hot = true}, disabledRing, disabledFill,
       Hex(0xCECBC6)},
  };
  const int w = GetSystemMetrics(SM_CYVTHUMB);  // the column and the button
  constexpr int h = 20;
  const int right = w - 1;  // the button runs from x = 1 to x = right
  for (const DropCase& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas drop(w, h, kUntouched);
    PaintDropButton(drop.dc(), {0, 0, w, h}, c.state, OliveGreen());
    for (int y = 0; y < h; ++y) ASSERT_EQ(HexOf(drop.at(0, y)), HexOf(WindowColour())) << y;
    // The ring's corners take the window colour: the button looks rounded.
    for (const POINT corner : {POINT{1, 0}, POINT{right, 0}, POINT{1, h - 1}, POINT{right, h - 1}})
      EXPECT_EQ(HexOf(drop.at(corner.x, corner.y)), HexOf(WindowColour())) << corner.x << "," << corner.y;

    // Near each corner, a four-corner fill comes within two steps of that corner's colour; the
    // top-left pixel, where the fill starts, has it exactly.
    const auto expectCorners = [&](const Corners& colours, RECT box, bool topLeftExact) {
      const int span = std::min(box.right - box.left, box.bottom - box.top) - 1;
      const int tolerance = IsFlat(colours) ? 0 : 2 * GradientStep(colours.topLeft, colours.bottomRight, span);
      const struct {
        POINT at;
        COLORREF colour;
      } spots[] = {{{box.left, box.top}, colours.topLeft},
                   {{box.right - 1, box.top}, colours.topRight},
                   {{box.left, box.bottom - 1}, colours.bottomLeft},
                   {{box.right - 1, box.bottom - 1}, colours.bottomRight}};
      for (const auto& spot : spots)
        EXPECT_TRUE(Near(drop.at(spot.at.x, spot.at.y), spot.colour, tolerance))
            << spot.at.x << "," << spot.at.y << " " << HexOf(drop.at(spot.at.x, spot.at.y)) << " vs "
            << HexOf(spot.colour);
      if (topLeftExact) {
        EXPECT_EQ(HexOf(drop.at(box.left, box.top)), HexOf(colours.topLeft));
      }
    };
    expectCorners(c.fill, {2, 1, right, h - 1}, true);
    // The ring without its corner pixels: one in along the top and bottom rows.
    expectCorners(c.ring, {2, 0, right, h}, IsFlat(c.ring));
    if (IsFlat(c.ring)) {
      for (int x = 2; x < right; ++x) {
        ASSERT_EQ(HexOf(drop.at(x, 0)), HexOf(c.ring.topLeft)) << x;
        ASSERT_EQ(HexOf(drop.at(x, h - 1)), HexOf(c.ring.topLeft)) << x;
      }
      for (int y = 1; y < h - 1; ++y) {
        ASSERT_EQ(HexOf(drop.at(1, y)), HexOf(c.ring.topLeft)) << y;
        ASSERT_EQ(HexOf(drop.at(right, y)), HexOf(c.ring.topLeft)) << y;
      }
    }

    // The chevron: nine columns of three pixels each, stepping down to the middle and up again,
    // in the middle of the button.
    Box chevron;
    int pixels = 0;
    std::vector<int> columnTop(static_cast<std::size_t>(w), -1);
    std::vector<int> columnCount(static_cast<std::size_t>(w), 0);
    for (int y = 1; y < h - 1; ++y)
      for (int x = 2; x < right; ++x)
        if (drop.at(x, y) == c.chevron) {
          ++pixels;
          chevron.left = std::min(chevron.left, x);
          chevron.top = std::min(chevron.top, y);
          chevron.right = std::max(chevron.right, x + 1);
          chevron.bottom = std::max(chevron.bottom, y + 1);
          if (columnTop[static_cast<std::size_t>(x)] < 0) columnTop[static_cast<std::size_t>(x)] = y;
          ++columnCount[static_cast<std::size_t>(x)];
        }
    ASSERT_EQ(pixels, 27);
    ASSERT_EQ(chevron.right - chevron.left, 9);
    ASSERT_EQ(chevron.bottom - chevron.top, 7);
    EXPECT_LE(std::abs((chevron.left - 1) - (right + 1 - chevron.right)), 1);
    EXPECT_LE(std::abs(chevron.top - (h - chevron.bottom)), 1);
    for (int column = 0; column < 9; ++column) {
      const auto x = static_cast<std::size_t>(chevron.left + column);
      EXPECT_EQ(columnCount[x], 3) << column;
      EXPECT_EQ(columnTop[x] - chevron.top, 4 - std::abs(column - 4)) << column;
    }
  }
}

// ---- Group box ----

TEST(GroupBoxPaint, PaintsTheFrameCaptionCornersAndMarginsButNotTheInside) {
  constexpr int w = 168;
  constexpr int h = 96;
  const UniqueFont font = MakeFont(-12);
  const std::string caption = "更多LOL工具";
  const COLORREF background = ButtonFace();
  const COLORREF text = Hex(0x203040);
  const COLORREF frame = Hex(0xBFB8BF);
  Canvas box(w, h, kUntouched);
  PaintGroupBox(box.dc(), {0, 0, w, h}, {.caption = caption, .font = font.get(), .background = background, .text = text},
                OliveGreen());

  TEXTMETRICA metrics{};
  SIZE extent{};
  {
    const Selection selectFont(box.dc(), font.get());
    GetTextMetricsA(box.dc(), &metrics);
    GetTextExtentPoint32A(box.dc(), caption.c_str(), static_cast<int>(caption.size()), &extent);
  }
  const int line = metrics.tmHeight / 2;
  const int captionLeft = (w - extent.cx) / 2;
  const int captionRight = captionLeft + extent.cx;
  const auto inCaption = [&](int x, int y) { return x >= captionLeft && x < captionRight && y < metrics.tmHeight; };
  const auto expect = [&](int x, int y, COLORREF colour) {
    ASSERT_EQ(HexOf(box.at(x, y)), HexOf(colour)) << x << "," << y;
  };

  // The frame, its top line at half the caption's height, left out 5 px either side of the caption.
  for (int y = line + 3; y <= h - 4; ++y) {
    expect(0, y, frame);
    expect(w - 1, y, frame);
  }
  for (int x = 3; x <= w - 4; ++x) {
    expect(x, h - 1, frame);
    if (x < captionLeft - 5 || x >= captionRight + 5) expect(x, line, frame);
    if ((x >= captionLeft - 5 && x < captionLeft) || (x >= captionRight && x < captionRight + 5))
      expect(x, line, background);
  }
  // Each corner: corner pixel and two beside it along each edge in the background, two across in the frame.
  const struct {
    int x, y, dx, dy;
  } corners[] = {{0, line, 1, 1}, {w - 1, line, -1, 1}, {0, h - 1, 1, -1}, {w - 1, h - 1, -1, -1}};
  for (const auto& c : corners) {
    SCOPED_TRACE(testing::Message() << "corner " << c.x << "," << c.y);
    for (const POINT p : {POINT{c.x, c.y}, POINT{c.x + c.dx, c.y}, POINT{c.x + 2 * c.dx, c.y}, POINT{c.x, c.y + c.dy},
                          POINT{c.x, c.y + 2 * c.dy}})
      expect(p.x, p.y, background);
    expect(c.x + 2 * c.dx, c.y + c.dy, frame);
    expect(c.x + c.dx, c.y + 2 * c.dy, frame);
  }
  // The band down to the row below the top line, and 2-px margins along the other three edges.
  for (int y = 0; y < line; ++y)
    for (int x = 0; x < w; ++x)
      if (!inCaption(x, y)) expect(x, y, background);
  for (int x = 3; x <= w - 4; ++x)
    if (!inCaption(x, line + 1)) expect(x, line + 1, background);
  for (int y = line + 3; y <= h - 4; ++y) {
    expect(1, y, background);
    expect(w - 2, y, background);
  }
  for (int x = 3; x <= w - 4; ++x) expect(x, h - 2, background);
  // The inside is left alone.
  for (int y = line + 2; y <= h - 3; ++y)
    for (int x = 2; x <= w - 3; ++x)
      if (!inCaption(x, y)) expect(x, y, kUntouched);
  // The caption in the group box's text colour, on the background, within its own area.
  int captionPixels = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (box.at(x, y) == text) {
        ++captionPixels;
        EXPECT_TRUE(inCaption(x, y)) << x << "," << y;
      }
      if (inCaption(x, y)) {
        EXPECT_NE(box.at(x, y), kUntouched) << x << "," << y;
      }
    }
  EXPECT_GT(captionPixels, 10);
}

}  // namespace
