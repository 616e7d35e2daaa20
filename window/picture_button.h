#pragma once
// The banner-like buttons on the left of the main window.

inline constexpr const char* kPictureButtonClass = "QuendrelPictureButton";

bool RegisterPictureButtonClass();
