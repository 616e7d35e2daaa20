#include "switch.h"

namespace {

constexpr unsigned kExclamation = 48;
constexpr unsigned kInformation = 64;

struct RowMessages {
  std::string_view written;
  std::string_view failed;
};

constexpr RowMessages kRowMessages[] = {
    {"切换服务器至[ 正式服 ]成功", "切换服务器至[ 正式服 ]失败"},
    {"切换服务器至[ 体验服 ]成功", "切换服务器至[ 体验服 ]失败"},
    {"切换服务器至[ 比赛服 ]成功", "切换服务器至[ 比赛服 ]失败"},
};

constexpr Message kPathErrorMessage{"LOL游戏路径输入错误\r\n请修改后重新尝试！", kExclamation, "路径错误"};

bool IsServerRow(int row) { return row >= kLiveServers && row <= kTournamentServers; }

}  // namespace

Text NormaliseGameDirectory(std::string_view typed) { return TrimBlanks(StripTrailingBackslashes(typed)); }

SwitchOutcome DecideSwitch(std::string_view directory, int row, GameFiles& files) {
  const Text configFile = ConcatText(directory, ConfigFileSuffix);
  if (!files.Exists(configFile)) return {SwitchOutcome::kPathError, row};
  if (!IsServerRow(row)) return {SwitchOutcome::kNothingToDo, row};
  const Bytes document = TextToBytes(ProfileDocumentFor(static_cast<ServerProfile>(row)));
  return {files.Replace(configFile, document) ? SwitchOutcome::kWritten : SwitchOutcome::kWriteFailed, row};
}

std::optional<Message> MessageFor(SwitchOutcome outcome) {
  switch (outcome.kind) {
    case SwitchOutcome::kPathError:
      return kPathErrorMessage;
    case SwitchOutcome::kWritten:
      return Message{kRowMessages[outcome.row].written, kInformation, "成功"};
    case SwitchOutcome::kWriteFailed:
      return Message{kRowMessages[outcome.row].failed, kExclamation, "失败"};
    case SwitchOutcome::kNothingToDo:
      break;
  }
  return std::nullopt;
}

std::optional<Message> RunSwitch(SwitchControls& controls, GameFiles& files) {
  const Text directory = NormaliseGameDirectory(controls.ReadPathField());
  controls.WritePathField(directory);
  return MessageFor(DecideSwitch(directory, controls.ReadSelectedRow(), files));
}
