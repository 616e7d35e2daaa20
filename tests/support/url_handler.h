#pragma once
// Makes url_recorder.exe (beside the test program) the prefix's handler for http addresses
// while it lives, and reads what it recorded.

#include <string>
#include <vector>

#include "wine_support.h"

class RecordingUrlHandler {
 public:
  RecordingUrlHandler();
  ~RecordingUrlHandler();
  RecordingUrlHandler(const RecordingUrlHandler&) = delete;
  RecordingUrlHandler& operator=(const RecordingUrlHandler&) = delete;

  // The addresses opened so far, waiting up to timeoutMs for at least `expected` of them.
  std::vector<std::string> Opened(std::size_t expected, unsigned timeoutMs = 10000) const;

 private:
  ScratchFolder folder_;
  std::string log_;
  std::string previousCommand_;
};
