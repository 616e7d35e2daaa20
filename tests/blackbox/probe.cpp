// Looks at a running Quendrel from outside, for the black-box test and `make run`:
//   probe wait-window            waits until the main window shows; prints its outer rectangle
//   probe centre TEXT            prints the screen centre of the main window's control showing TEXT
//   probe expect-box TITLE TEXT  waits for a message box with that title and text
//   probe wait-no-box            waits until no message box of the program is left
//   probe focus                  prints the class and text of the focused window
//   probe document ROW FILE      writes the document of server row ROW to FILE
// Texts arrive in the ANSI code page. Exit code 0 when what was asked for holds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "profiles.h"

namespace {

constexpr const char* kMainClass = "QuendrelMainWindow";
constexpr DWORD kPatienceMs = 20000;

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

template <typename Found>
bool WaitFor(Found found) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < kPatienceMs; Sleep(100))
    if (found()) return true;
  return false;
}

HWND MainWindow() {
  const HWND main = FindWindowA(kMainClass, nullptr);
  return main && IsWindowVisible(main) ? main : nullptr;
}

HWND FindBox(const char* title) { return FindWindowA("#32770", title); }

struct ChildSearch {
  const char* text;
  HWND found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM search) {
  auto* wanted = reinterpret_cast<ChildSearch*>(search);
  if (TextOf(child) != wanted->text) return TRUE;
  wanted->found = child;
  return FALSE;
}

int WaitWindow() {
  if (!WaitFor([] { return MainWindow() != nullptr; })) return 1;
  RECT place;
  GetWindowRect(MainWindow(), &place);
  std::printf("%ld %ld %ld %ld\n", place.left, place.top, place.right - place.left, place.bottom - place.top);
  return 0;
}

int Centre(const char* text) {
  ChildSearch search{text, nullptr};
  EnumChildWindows(MainWindow(), MatchText, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return 1;
  RECT place;
  GetWindowRect(search.found, &place);
  std::printf("%ld %ld\n", (place.left + place.right) / 2, (place.top + place.bottom) / 2);
  return 0;
}

int ExpectBox(const char* title, const char* text) {
  if (!WaitFor([title] { return FindBox(title) != nullptr; })) {
    std::printf("no box titled as asked\n");
    return 1;
  }
  const std::string shown = TextOf(GetDlgItem(FindBox(title), 0xFFFF));
  if (shown == text) return 0;
  std::printf("the box says something else (%zu bytes)\n", shown.size());
  return 1;
}

BOOL CALLBACK CountBoxes(HWND window, LPARAM count) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") == 0 && IsWindowVisible(window) &&
      GetWindowThreadProcessId(MainWindow(), nullptr) == GetWindowThreadProcessId(window, nullptr))
    ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int WaitNoBox() {
  return WaitFor([] {
           int boxes = 0;
           EnumWindows(CountBoxes, reinterpret_cast<LPARAM>(&boxes));
           return boxes == 0;
         })
             ? 0
             : 1;
}

// The class and text of the window that has the keyboard focus in the program.
int Focus() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(MainWindow(), nullptr), &info) || !info.hwndFocus) return 1;
  char className[64] = {};
  GetClassNameA(info.hwndFocus, className, sizeof className);
  std::printf("%s %s\n", className, TextOf(info.hwndFocus).c_str());
  return 0;
}

int WriteDocument(int row, const char* path) {
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return 1;
  const std::string_view document = ProfileDocumentFor(static_cast<ServerProfile>(row));
  std::fwrite(document.data(), 1, document.size(), file);
  return std::fclose(file) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "wait-window") return WaitWindow();
  if (command == "centre" && argc == 3) return Centre(argv[2]);
  if (command == "expect-box" && argc == 4) return ExpectBox(argv[2], argv[3]);
  if (command == "wait-no-box") return WaitNoBox();
  if (command == "focus") return Focus();
  if (command == "document" && argc == 4) return WriteDocument(std::atoi(argv[2]), argv[3]);
  std::printf("usage: probe wait-window | centre TEXT | expect-box TITLE TEXT | wait-no-box | focus | document ROW FILE\n");
  return 2;
}
