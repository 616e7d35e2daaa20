#pragma once
// The banner-like buttons on the left of the main window: a picture, its hover picture while
// the pointer is over the button, and the mouse held from a press on it to the release, so
// that the release reaches the button wherever it happens.

#include <windows.h>

#include <string_view>

inline constexpr const char* kPictureButtonClass = "QuendrelPictureButton";

// The banners' JPEG pictures: RCDATA resources of the program (assets/pictures.rc).
enum BannerPicture : int {
  kSitePicture = 101,
  kSiteHoverPicture = 102,
  kMicroblogPicture = 103,
  kMicroblogHoverPicture = 104,
};

bool RegisterPictureButtonClass();

// The bytes of one of the program's RCDATA resources; empty when there is none by that id.
std::string_view ResourceBytes(int id);

// Decodes a button's two pictures from JPEG bytes into the bitmaps it shows from then on, and
// repaints it. A picture that cannot be decoded counts as missing: the normal picture stands
// in for the hover picture, and black for the normal picture.
void SetPictureButtonPictures(HWND button, std::string_view normal, std::string_view hover);
