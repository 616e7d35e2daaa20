#include "wine_support.h"

#include <algorithm>

#include "unique_handle.h"

namespace {

thread_local MessageBoxCatcher* activeCatcher = nullptr;

std::string IconName(HICON icon) {
  if (!icon) return "";
  const struct {
    LPCSTR id;
    const char* name;
  } icons[] = {{IDI_EXCLAMATION, "exclamation"}, {IDI_ASTERISK, "information"}, {IDI_HAND, "stop"},
               {IDI_QUESTION, "question"}};
  for (const auto& known : icons)
    if (LoadIconA(nullptr, known.id) == icon) return known.name;
  return "other";
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher(std::vector<HWND> watchedWindows)
    : hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, HookProc, nullptr, GetCurrentThreadId())),
      watched_(std::move(watchedWindows)) {
  activeCatcher = this;
}

MessageBoxCatcher::~MessageBoxCatcher() {
  UnhookWindowsHookEx(hook_);
  activeCatcher = nullptr;
}

// A message box has its texts, icon and buttons once its WM_INITDIALOG has returned.
LRESULT CALLBACK MessageBoxCatcher::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_INITDIALOG && activeCatcher && ClassNameOf(message->hwnd) == "#32770")
    activeCatcher->Catch(message->hwnd);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxCatcher::Catch(HWND box) {
  CaughtBox caught;
  caught.title = TextOf(box);
  caught.ownerlessTopLevel = GetWindow(box, GW_OWNER) == nullptr && GetParent(box) == nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) continue;  // buttons the box does not use
    const std::string className = ClassNameOf(child);
    if (className == "Button") {
      caught.buttons.push_back(TextOf(child));
    } else if (className == "Static") {
      if (GetWindowLongA(child, GWL_STYLE) & SS_ICON)
        caught.icon = IconName(reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)));
      else if (GetDlgCtrlID(child) == 0xFFFF)
        caught.text = TextOf(child);
    }
  }
  for (HWND window : watched_) caught.othersEnabled.push_back(IsWindowEnabled(window) != FALSE);
  boxes_.push_back(caught);
  if (onOpen)
    onOpen(box);
  else
    PressOk(box);
}

void PressOk(HWND box) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

ScratchFolder::ScratchFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  for (unsigned n = 0;; ++n) {
    path_ = std::string(temp) + "quendrel-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
  }
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

void RemoveTree(const std::string& path) {
  for (const std::string& name : FolderEntries(path)) {
    const std::string child = path + "\\" + name;
    SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (GetFileAttributesA(child.c_str()) & FILE_ATTRIBUTE_DIRECTORY)
      RemoveTree(child);
    else
      DeleteFileA(child.c_str());
  }
  RemoveDirectoryA(path.c_str());
}

void MakeFolders(const std::string& path) {
  for (std::size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
    CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
  CreateDirectoryA(path.c_str(), nullptr);
}

void PutFile(const std::string& path, const std::string& bytes) {
  const UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!bytes.empty()) WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::optional<std::string> FileBytes(const std::string& path) {
  const UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return std::nullopt;
  std::string bytes(GetFileSize(file.get(), nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const UniqueFind find(FindFirstFileA((folder + "\\*").c_str(), &found));
  if (!find) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find.get(), &found));
  std::sort(names.begin(), names.end());
  return names;
}

std::string ThisProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path, length);
  return full.substr(0, full.find_last_of('\\'));
}

std::string TextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

std::string ClassNameOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}
