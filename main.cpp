// Quendrel: points the installed game client at its live, test or tournament servers.
#include <windows.h>

#include "description.h"
#include "frame.h"
#include "picture_button.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RegisterPictureButtonClass();
  return RunProgram(QuendrelWindow());
}
