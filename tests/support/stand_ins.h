#pragma once
// In-memory stand-ins for what the switch reaches: the two controls and the game's files.

#include <map>
#include <set>

#include "switch.h"

class InMemoryControls : public SwitchControls {
 public:
  Text pathField;
  int selectedRow = 0;
  int pathWrites = 0;

  Text ReadPathField() override { return pathField; }
  void WritePathField(std::string_view text) override {
    pathField = Text(text);
    ++pathWrites;
  }
  int ReadSelectedRow() override { return selectedRow; }
};

class InMemoryFiles : public GameFiles {
 public:
  std::map<Text, Bytes> files;
  std::set<Text> refusingWrites;

  bool Exists(const Text& path) override { return files.count(path) > 0; }
  bool Replace(const Text& path, std::string_view bytes) override {
    if (refusingWrites.count(path)) return false;
    files[path] = Bytes(bytes);
    return true;
  }
};
