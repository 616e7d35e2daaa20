#pragma once
// Driving the real main window in-process under Wine: its event pump, real input, the
// registry value it reads at creation, and pixels captured from the screen.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "wine_support.h"

// Delivers this thread's queued messages through the main window's pre-translation, as the
// program's own loop does, for at least ms milliseconds.
void Pump(unsigned ms = 0);
// Pumps until done() or timeoutMs; returns done().
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = 3000);

// Real input, as the player's mouse and keyboard give it.
void ClickAt(HWND window, int x, int y);  // client coordinates of window
void ClickCentre(HWND window);
void MoveMouseTo(HWND window, int x, int y);
void PressMouseAt(HWND window, int x, int y);
void ReleaseMouseAt(HWND window, int x, int y);
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// HKLM\SOFTWARE\Tencent\LOL\InstallPath in the 32-bit view: set it, or remove it.
void SetInstallPath(const std::string& path);
void RemoveInstallPath();

// The pixels of a window as the screen shows them.
class Capture {
 public:
  explicit Capture(HWND window);  // whole window, frame included
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const;  // window coordinates, 0x00BBGGRR
  // Top-left corner of inner's client area in the captured window's coordinates.
  static POINT ClientOrigin(HWND outer, HWND inner);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};

// Records every window this thread creates while it lives, as CreateWindowEx was asked.
class CreationRecorder {
 public:
  struct Created {
    std::string className;
    std::string text;
    DWORD style;
    DWORD exStyle;
    RECT place;  // x, y, x + width, y + height as asked
  };
  CreationRecorder();
  ~CreationRecorder();
  CreationRecorder(const CreationRecorder&) = delete;
  CreationRecorder& operator=(const CreationRecorder&) = delete;
  const std::vector<Created>& created() const { return created_; }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_;
  std::vector<Created> created_;
};

// The rectangle of a control relative to its parent's client area.
RECT PlaceInParent(HWND control);
