#pragma once
// The tool's one job: clean the game folder the player typed, check that the game's server
// list is there, and replace it with the document of the chosen server row.

#include <optional>
#include <string_view>

#include "profiles.h"
#include "text.h"

// How the switch reaches files. The Windows build replaces files atomically; tests keep
// them in memory.
class GameFiles {
 public:
  virtual ~GameFiles() = default;
  virtual bool Exists(const Text& path) = 0;
  // Leaves the file holding exactly bytes, or reports false with the file as it was.
  virtual bool Replace(const Text& path, std::string_view bytes) = 0;
};

// The two controls the switch reads and writes: the path field and the server list.
class SwitchControls {
 public:
  virtual ~SwitchControls() = default;
  virtual Text ReadPathField() = 0;
  virtual void WritePathField(std::string_view text) = 0;
  virtual int ReadSelectedRow() = 0;  // -1 when no row is selected
};

// Drops the trailing backslashes, then the blanks at both ends: "E:\英雄联盟\ " keeps its
// backslash, since the blank ends the text when backslashes are looked for.
Text NormaliseGameDirectory(std::string_view typed);

struct SwitchOutcome {
  enum Kind { kPathError, kWritten, kWriteFailed, kNothingToDo };
  Kind kind;
  int row;  // the server row for kWritten and kWriteFailed
  bool operator==(const SwitchOutcome&) const = default;
};

// Checks for the server list below directory, then writes the document of row over it.
SwitchOutcome DecideSwitch(std::string_view directory, int row, GameFiles& files);

// A message box as the player sees it: text, icon flags (48 exclamation, 64 information)
// and title.
struct Message {
  std::string_view text;
  unsigned flags;
  std::string_view title;
  bool operator==(const Message&) const = default;
};

// The box that reports an outcome; none for kNothingToDo.
std::optional<Message> MessageFor(SwitchOutcome outcome);

// The whole click: cleans the path field in place, decides, and returns the box to show.
std::optional<Message> RunSwitch(SwitchControls& controls, GameFiles& files);
