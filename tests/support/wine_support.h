#pragma once
// Helpers for the Windows tests that run under Wine: message boxes caught as they open,
// scratch folders, and plain file access that bypasses the code under test.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A message box as it appeared on the screen.
struct CaughtBox {
  std::string title;
  std::string text;
  std::string icon;                 // "exclamation", "information", "stop", "question" or ""
  std::vector<std::string> buttons;  // captions of its push buttons
  bool ownerlessTopLevel = false;
  std::vector<bool> othersEnabled;  // IsWindowEnabled of the watched windows while it showed
};

// Catches every message box this thread opens while it lives (a dialog of class #32770),
// records it once it is set up and presses its OK button (or runs onOpen instead, which
// then must close it).
class MessageBoxCatcher {
 public:
  explicit MessageBoxCatcher(std::vector<HWND> watchedWindows = {});
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  const std::vector<CaughtBox>& boxes() const { return boxes_; }
  std::function<void(HWND box)> onOpen;

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void Catch(HWND box);

  HHOOK hook_;
  std::vector<HWND> watched_;
  std::vector<CaughtBox> boxes_;
};

// Presses a message box's OK button the way a click does.
void PressOk(HWND box);

// A fresh folder below the temporary folder, removed with everything in it at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

void RemoveTree(const std::string& path);
void MakeFolders(const std::string& path);  // every missing folder along path
void PutFile(const std::string& path, const std::string& bytes);
std::optional<std::string> FileBytes(const std::string& path);
std::vector<std::string> FolderEntries(const std::string& folder);  // names, sorted, no . or ..
std::string ThisProgramFolder();
std::string TextOf(HWND window);
std::string ClassNameOf(HWND window);
