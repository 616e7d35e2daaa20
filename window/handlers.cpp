#include "handlers.h"

#include "description.h"
#include "flat_style.h"
#include "frame.h"
#include "services.h"
#include "switch.h"

namespace {

constexpr std::string_view HelpText =
    "1.为保证不影响你的正常游戏，转换前请将游戏备份\r\n"
    "2.当正式服与体验服版本差距过大时会被服务器拒绝登入\r\n"
    "3.WIN7及以上版本系统请使用管理员权限运行程序，以免程序不生效";

// The path field and the server list of the running window.
class WindowControls : public SwitchControls {
 public:
  Text ReadPathField() override { return ReadControlText(ControlWindow(kPathField)); }
  void WritePathField(std::string_view text) override { WriteControlText(ControlWindow(kPathField), text); }
  int ReadSelectedRow() override { return ::ReadSelectedRow(ControlWindow(kServerList)); }
};

void Show(const Message& message) { ShowMessageBox(message.text, message.flags, message.title); }

}  // namespace

void OnMainWindowCreated() {
  EnableFlatControlStyle(kOliveGreen);
  const Text installPath = ReadRegistryText(kLocalMachine, InstallPathKey);
  if (CompareText(installPath, "") != 0) {
    WriteControlText(ControlWindow(kPathField), installPath);
    WriteTextColour(ControlWindow(kPathField), kTextColour);
  }
}

void OnPathFieldMouseUp(int, int, int) {
  const HWND field = ControlWindow(kPathField);
  if (CompareText(ReadControlText(field), PathHint) == 0) {
    WriteControlText(field, "");
    WriteTextColour(field, kTextColour);
  }
}

void OnPathFieldLostFocus() {
  const HWND field = ControlWindow(kPathField);
  if (CompareText(ReadControlText(field), "") == 0) {
    WriteControlText(field, PathHint);
    WriteTextColour(field, kHintColour);
  }
}

void SwitchServer() {
  WindowControls controls;
  WindowsGameFiles files;
  if (const std::optional<Message> message = RunSwitch(controls, files)) Show(*message);
}

void OnHelpClicked() { Show({HelpText, 64, "帮助"}); }

void OnMicroblogButtonMouseUp(int, int, int) { OpenUrl(MakerMicroblogUrl); }

void OnSiteButtonMouseUp(int, int, int) { OpenUrl(MakerSiteUrl); }
