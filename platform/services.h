#pragma once
// The operating-system services the handlers use. Texts go to the ANSI functions unchanged.
// Failures come back as results (the empty text, false), never as exceptions or messages.

#include <initializer_list>
#include <string_view>

#include "switch.h"
#include "text.h"

// Root keys by number, as the callers name them.
enum RegistryRoot : int {
  kClassesRoot = 1,
  kCurrentConfig = 2,
  kCurrentUser = 3,
  kLocalMachine = 4,
  kUsers = 5,  // any other number means kCurrentUser
};

// Reads the REG_SZ or REG_EXPAND_SZ value that path names: the key path before its last
// backslash, the value name after it. Always the registry's 32-bit view, where the game
// records itself. Any failure, or another type, gives the empty text.
Text ReadRegistryText(int root, std::string_view path);

// True when FindFirstFileA finds anything by that name: a file or a folder.
bool FileExists(std::string_view path);

// Replaces the file with the sequences one after another, or leaves it as it was: the bytes
// go to a new file beside it that then takes its place. Refuses read-only, hidden and
// system files, folders, and files another program holds open.
bool WriteFileBytes(std::string_view path, std::initializer_list<std::string_view> data);

// A task-modal box without owner: every top-level window of the thread stays disabled
// until the player closes it. Returns the button that closed it.
int ShowMessageBox(std::string_view text, unsigned flags, std::string_view title);

// Opens a web address with the handler the system has for it.
void OpenUrl(std::string_view url);

// The switch's files on the real file system.
class WindowsGameFiles : public GameFiles {
 public:
  bool Exists(const Text& path) override { return FileExists(path); }
  bool Replace(const Text& path, std::string_view bytes) override { return WriteFileBytes(path, {bytes}); }
};
