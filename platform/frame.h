#pragma once
// The frame: builds the main window from a description, runs the message loop with the
// main window's own keys, and calls the handlers bound to events. It knows the shape of a
// description, never a particular window's table.

#include <windows.h>

#include <span>
#include <string_view>

#include "text.h"

// Stands for the system's button-face colour, looked up each time it is used.
inline constexpr COLORREF kDefaultColour = 0xFF000000;
inline constexpr int kMainWindow = -1;  // parent of a control placed on the main window

// A font by its LOGFONT fields that matter; the rest are always the same.
struct FontSpec {
  LONG height;  // negative: character height in pixels
  LONG weight;
  const char* face;
};

enum class ControlKind {
  kLabel,     // paints itself: background, then its text in its font and colour
  kButton,    // BUTTON
  kEditBox,   // EDIT, at least one line of its font high
  kComboBox,  // COMBOBOX with rows; the first row is selected
  kGroupBox,  // BUTTON with BS_GROUPBOX
  kCustom,    // a class the caller registered
};

struct ControlSpec {
  ControlKind kind;
  const char* name;
  int parent;  // row of the parent control, or kMainWindow
  int left, top, width, height;
  const char* text;
  const FontSpec* font;  // nullptr: the default GUI font
  COLORREF textColour;
  COLORREF backColour;
  DWORD style;  // the kind's own style bits; WS_CHILD, WS_CLIPSIBLINGS and WS_TABSTOP are added
  DWORD exStyle;
  bool tabStop;
  std::span<const char* const> rows = {};  // combo box rows
  const char* className = nullptr;         // kCustom only
};

enum class Event { kClicked, kLeftButtonUp, kLostFocus };

struct EventBinding {
  int control;  // row in the description
  Event event;
  void (*handler)();                           // kClicked, kLostFocus
  void (*mouseHandler)(int x, int y, int keys) = nullptr;  // kLeftButtonUp
};

struct WindowSpec {
  const char* className;
  const char* title;
  int width, height;  // outer size, frame and caption included
  int iconResource;
  std::span<const ControlSpec> controls;  // listed order: stacking and focus order
  std::span<const EventBinding> events;
  void (*onCreated)();
};

// Start-up as a program: current directory = the program's folder, the window, the loop.
// Returns the exit code: 0 after the window closed, -1 (after a stop box) when it could
// not be made.
int RunProgram(const WindowSpec& description);

// The parts of RunProgram, for tests that drive the window themselves.
HWND LoadMainWindow(const WindowSpec& description);  // created, handler run, shown; nullptr on failure
bool PreTranslateMainWindowMessage(MSG& message);  // true: consumed
int RunMessageLoop();

// The running main window's control of a description row.
HWND ControlWindow(int row);

// Control properties for the handlers.
Text ReadControlText(HWND control);
void WriteControlText(HWND control, std::string_view text);
void WriteTextColour(HWND control, COLORREF colour);
int ReadSelectedRow(HWND control);
