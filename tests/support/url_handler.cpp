#include "url_handler.h"

#include <windows.h>

namespace {

constexpr const char* kCommandKey = "http\\shell\\open\\command";

std::string ReadDefaultValue() {
  char value[1024] = {};
  LONG size = sizeof value;
  return RegQueryValueA(HKEY_CLASSES_ROOT, kCommandKey, value, &size) == ERROR_SUCCESS ? value : "";
}

void WriteDefaultValue(const std::string& value) {
  RegSetValueA(HKEY_CLASSES_ROOT, kCommandKey, REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
}

}  // namespace

RecordingUrlHandler::RecordingUrlHandler() : log_(folder_ / "opened.txt"), previousCommand_(ReadDefaultValue()) {
  SetEnvironmentVariableA("QUENDREL_URL_LOG", log_.c_str());
  WriteDefaultValue("\"" + ThisProgramFolder() + "\\url_recorder.exe\" \"%1\"");
}

RecordingUrlHandler::~RecordingUrlHandler() {
  WriteDefaultValue(previousCommand_);
  SetEnvironmentVariableA("QUENDREL_URL_LOG", nullptr);
}

std::vector<std::string> RecordingUrlHandler::Opened(std::size_t expected, unsigned timeoutMs) const {
  std::vector<std::string> lines;
  for (unsigned waited = 0;; waited += 50) {
    lines.clear();
    const std::string bytes = FileBytes(log_).value_or("");
    for (std::size_t begin = 0, end; (end = bytes.find('\n', begin)) != std::string::npos; begin = end + 1)
      lines.push_back(bytes.substr(begin, end - begin));
    if (lines.size() >= expected || waited >= timeoutMs) return lines;
    Sleep(50);
  }
}
