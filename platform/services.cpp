#include "services.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstring>
#include <vector>

#include "unique_handle.h"

namespace {

HKEY RootKey(int root) {
  switch (root) {
    case kClassesRoot:
      return HKEY_CLASSES_ROOT;
    case kCurrentConfig:
      return HKEY_CURRENT_CONFIG;
    case kLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case kUsers:
      return HKEY_USERS;
    default:
      return HKEY_CURRENT_USER;
  }
}

// The game is a 32-bit program and records itself in the 32-bit view; a 32-bit build sees
// that view by itself, a 64-bit build has to ask for it.
#ifdef _WIN64
constexpr REGSAM kRegistryView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kRegistryView = 0;
#endif

Text ExpandEnvironment(const Text& text) {
  const DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::vector<char> expanded(size);
  if (ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size) == 0) return {};
  return Text(expanded.data(), strnlen(expanded.data(), expanded.size()));
}

bool IsRetryableMoveError(DWORD error) { return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION; }

// Creates a file of a name nobody uses beside path.
UniqueFile CreateTemporaryBeside(const Text& path, Text& temporaryName) {
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    temporaryName = path + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) + ".tmp";
    UniqueFile file(CreateFileA(temporaryName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return UniqueFile();
}

bool WriteAll(HANDLE file, std::initializer_list<std::string_view> data) {
  for (std::string_view bytes : data) {
    if (bytes.empty()) continue;
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size());
    if (!WriteFile(file, bytes.data(), size, &written, nullptr) || written != size) return false;
  }
  return FlushFileBuffers(file) != 0;
}

bool MoveOver(const Text& from, const Text& to) {
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    if (attempt == 4 || !IsRetryableMoveError(GetLastError())) return false;
    Sleep(50);  // a virus scanner or indexer may hold the file for a moment
  }
}

}  // namespace

Text ReadRegistryText(int root, std::string_view path) {
  const Text fullPath = TextToBytes(path);
  const TextPosition lastBackslash = FindLast(fullPath, "\\", true);
  const auto split = static_cast<std::size_t>(lastBackslash == kNotFound ? 0 : lastBackslash);
  const Text keyPath = fullPath.substr(0, split == 0 ? 0 : split - 1);
  const Text valueName = fullPath.substr(split);

  HKEY opened = nullptr;
  if (RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, KEY_READ | kRegistryView, &opened) != ERROR_SUCCESS)
    return {};
  const UniqueRegistryKey key(opened);

  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return {};
  std::vector<char> data(size);
  DWORD read = size;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()),
                       &read) != ERROR_SUCCESS)
    return {};
  // A value stored without its NUL ends where its data ends.
  const Text value(data.data(), strnlen(data.data(), std::min<std::size_t>(read, data.size())));
  return type == REG_EXPAND_SZ ? ExpandEnvironment(value) : value;
}

bool FileExists(std::string_view path) {
  const Text name = TextToBytes(path);
  if (name.empty()) return false;
  WIN32_FIND_DATAA found;
  return static_cast<bool>(UniqueFind(FindFirstFileA(name.c_str(), &found)));
}

bool WriteFileBytes(std::string_view path, std::initializer_list<std::string_view> data) {
  const Text target = TextToBytes(path);
  if (target.empty()) return false;

  // Windows refuses to overwrite these; Wine run as root and a rename would not, so ask first.
  const DWORD attributes = GetFileAttributesA(target.c_str());
  constexpr DWORD kRefused =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & kRefused) return false;
    // Another program holding the file open keeps it: we need it to ourselves.
    if (!UniqueFile(CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr)))
      return false;
  }

  Text temporaryName;
  UniqueFile temporary = CreateTemporaryBeside(target, temporaryName);
  if (!temporary) return false;
  const bool written = WriteAll(temporary.get(), data);
  const bool closed = CloseHandle(temporary.release()) != 0;
  if (written && closed && MoveOver(temporaryName, target)) return true;
  DeleteFileA(temporaryName.c_str());
  return false;
}

int ShowMessageBox(std::string_view text, unsigned flags, std::string_view title) {
  const UINT style = (flags & MB_SYSTEMMODAL) ? flags : flags | MB_TASKMODAL;
  const Text caption = title.empty() ? Text("信息：") : TextToBytes(title);
  const HWND active = GetActiveWindow();
  const int button = MessageBoxA(nullptr, TextToBytes(text).c_str(), caption.c_str(), style);
  // A box without owner gives the activation to nobody when it closes (so Wine does): hand it
  // back to the window the player was using, so the keyboard goes on working there.
  if (active && IsWindow(active)) SetForegroundWindow(active);
  return button;
}

void OpenUrl(std::string_view url) {
  // An open Internet Explorer window, if there is one, owns whatever the shell shows meanwhile.
  const HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  ShellExecuteA(owner, "open", TextToBytes(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
