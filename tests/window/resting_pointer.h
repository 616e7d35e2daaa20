#pragma once
// A pointer move that waits until the pointer stays where it was sent.

#include <windows.h>

#include "window_support.h"

// Moves the pointer to (x, y) in window's client area and pumps until it has rested there for
// 200 ms. Under Wine the desktop hears late of a window that appeared or vanished under the
// pointer, and may then report the pointer's earlier place once more; the move is then made
// again, up to five times.
inline void MovePointerAndRest(HWND window, int x, int y) {
  POINT target{x, y};
  ClientToScreen(window, &target);
  for (int tries = 0; tries < 5; ++tries) {
    MoveMouseTo(window, x, y);
    const DWORD start = GetTickCount();
    POINT now{};
    while (GetCursorPos(&now) && now.x == target.x && now.y == target.y) {
      if (GetTickCount() - start >= 200) return;
      Pump(20);
    }
  }
}
