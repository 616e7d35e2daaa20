#pragma once
// The flat look's painting: one small function per part, each drawing from a device context,
// a rectangle and a state alone, and the table of the look's colours. The style's window
// procedures only gather the state and call these.

#include <windows.h>

#include <string_view>

struct Gradient {  // vertical, from the top row to the bottom row
  COLORREF top, bottom;
};
struct Corners {  // linear between the corners, as two triangles split from top-right to bottom-left
  COLORREF topLeft, topRight, bottomLeft, bottomRight;
};
struct DropButtonLook {
  Corners ring;
  Corners fill;
  COLORREF chevron;
};

// One variant's colours. Button face and the window colour come from the system at each paint.
struct FlatColours {
  COLORREF buttonBorder;  // push buttons not disabled
  Gradient normalRing;
  Gradient litRing;  // keyboard focus, default button, pointer over it
  Gradient buttonFace;
  COLORREF pressedFill;   // state ring and face
  COLORREF disabledFill;  // everything inside the border
  COLORREF caption;
  COLORREF disabledCaption;
  COLORREF fieldLine;  // edit box and combo box edge
  DropButtonLook dropNormal;
  DropButtonLook dropHot;   // pointer over the combo box
  DropButtonLook dropHeld;  // left button held down on the combo box
  DropButtonLook dropDisabled;
  COLORREF groupFrame;
};

inline constexpr int kOliveGreen = 2;
const FlatColours* FlatColoursFor(int variant);  // nullptr for a variant the program does not have

// Button face with 0x20 taken from each of red, green and blue.
COLORREF DimmedButtonFace();

struct PushButtonState {
  std::string_view caption = {};
  HFONT font = nullptr;
  DWORD alignment = 0;  // the button's BS_LEFT/BS_RIGHT/BS_CENTER and BS_TOP/BS_BOTTOM/BS_VCENTER bits
  bool disabled = false;
  bool pressed = false;
  bool hot = false;  // pointer over it
  bool focused = false;
  bool isDefault = false;
};
void PaintPushButton(HDC dc, const RECT& rect, const PushButtonState& state, const FlatColours& colours);

struct FieldEdgeState {
  bool disabled = false;
  bool readOnly = false;
};
// The two outermost pixel rings of an edit box, a combo box or a combo box's open list.
void PaintFieldEdge(HDC dc, const RECT& rect, const FieldEdgeState& state, const FlatColours& colours);

struct DropButtonState {
  bool disabled = false;
  bool held = false;
  bool hot = false;
};
// Where a combo box's drop button goes: its window-colour column and the button right of it.
RECT DropButtonArea(const RECT& comboClient);
void PaintDropButton(HDC dc, const RECT& area, const DropButtonState& state, const FlatColours& colours);

struct GroupBoxState {
  std::string_view caption = {};
  HFONT font = nullptr;
  COLORREF background = 0;  // as the parent reports them
  COLORREF text = 0;
};
// Paints the frame, the caption and the margins around them; leaves the inside as it is.
void PaintGroupBox(HDC dc, const RECT& rect, const GroupBoxState& state, const FlatColours& colours);
