#pragma once
// The real main window, made for each test as the program makes it.

#include <windows.h>

#include <gtest/gtest.h>

#include "description.h"
#include "frame.h"
#include "picture_button.h"
#include "window_support.h"

class MainWindowTest : public testing::Test {
 protected:
  // installPath: what the registry holds when the window is made; empty: nothing.
  void Open(const std::string& installPath = "") {
    if (installPath.empty())
      RemoveInstallPath();
    else
      SetInstallPath(installPath);
    ASSERT_TRUE(RegisterPictureButtonClass());
    main_ = LoadMainWindow(QuendrelWindow());
    ASSERT_TRUE(main_);
    SetForegroundWindow(main_);
    Pump(100);
  }
  void SetUp() override { Open(); }
  void TearDown() override {
    if (IsWindow(main_)) DestroyWindow(main_);
    Pump();
    RemoveInstallPath();
  }
  void Reopen(const std::string& installPath) {
    DestroyWindow(main_);
    Pump();
    Open(installPath);
  }
  static HWND Control(ControlRow row) { return ControlWindow(row); }

  HWND main_ = nullptr;
};
