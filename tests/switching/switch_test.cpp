#include "switch.h"

#include <gtest/gtest.h>

#include <string>

#include "stand_ins.h"

namespace {

const std::string kHint = "请手动输入 例如E:\\英雄联盟";
const std::string kCheng = "\xD5\x5C";  // 誠: its second byte is a backslash

struct NormaliseCase {
  std::string typed;
  std::string cleaned;
};

class NormaliseGameDirectoryTest : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseGameDirectoryTest, StripsTrailingBackslashesThenBlanks) {
  EXPECT_EQ(NormaliseGameDirectory(GetParam().typed), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormaliseGameDirectoryTest,
    testing::Values(NormaliseCase{"E:\\英雄联盟\\", "E:\\英雄联盟"},
                    NormaliseCase{"E:\\英雄联盟\\\\", "E:\\英雄联盟"},
                    // Only the trailing backslashes go: the folder names stay whole.
                    NormaliseCase{"D:\\LOL\\x\\", "D:\\LOL\\x"},
                    NormaliseCase{"E:\\a\\", "E:\\a"},
                    NormaliseCase{"E:\\", "E:"},
                    NormaliseCase{"E:\\" + kCheng + "x\\", "E:\\" + kCheng + "x"},
                    NormaliseCase{"E:\\" + kCheng + "\\", "E:\\" + kCheng},
                    // A blank after the backslash ends the text, so the backslash stays.
                    NormaliseCase{"E:\\Games\\  ", "E:\\Games\\"},
                    NormaliseCase{"  E:\\Games\\", "E:\\Games"},
                    NormaliseCase{"\xA1\xA1" "E:\\Games" "\xA1\xA1", "E:\\Games"},
                    NormaliseCase{kHint, kHint},
                    NormaliseCase{"", ""},
                    NormaliseCase{std::string(100000, '\\'), ""}));

TEST(DecideSwitch, WritesTheDocumentOfTheRowWhenTheServerListExists) {
  for (int row : {0, 1, 2}) {
    InMemoryFiles files;
    files.files["E:\\LOL\\TCLS\\config\\dirserver.xml"] = "old";
    EXPECT_EQ(DecideSwitch("E:\\LOL", row, files), (SwitchOutcome{SwitchOutcome::kWritten, row}));
    EXPECT_EQ(files.files["E:\\LOL\\TCLS\\config\\dirserver.xml"],
              ProfileDocumentFor(static_cast<ServerProfile>(row)));
  }
}

TEST(DecideSwitch, ReportsAPathErrorAndWritesNothingWhenTheFileIsMissing) {
  InMemoryFiles files;
  files.files["E:\\LOL\\TCLS\\config\\other.xml"] = "x";
  for (int row : {0, -1}) {
    EXPECT_EQ(DecideSwitch("E:\\LOL", row, files).kind, SwitchOutcome::kPathError);
    EXPECT_EQ(files.files.size(), 1u);
  }
  EXPECT_EQ(DecideSwitch("", 0, files).kind, SwitchOutcome::kPathError);
}

TEST(DecideSwitch, ReportsAFailedWriteAndDoesNothingWithoutARow) {
  InMemoryFiles files;
  const Text file = "E:\\LOL\\TCLS\\config\\dirserver.xml";
  files.files[file] = "old";
  files.refusingWrites.insert(file);
  EXPECT_EQ(DecideSwitch("E:\\LOL", 1, files), (SwitchOutcome{SwitchOutcome::kWriteFailed, 1}));
  files.refusingWrites.clear();
  for (int row : {-1, 3}) EXPECT_EQ(DecideSwitch("E:\\LOL", row, files).kind, SwitchOutcome::kNothingToDo);
  EXPECT_EQ(files.files[file], "old");
}

struct MessageCase {
  SwitchOutcome outcome;
  Message message;
};

class MessageForTest : public testing::TestWithParam<MessageCase> {};

TEST_P(MessageForTest, GivesTheBoxOfTheOutcome) {
  EXPECT_EQ(MessageFor(GetParam().outcome), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MessageForTest,
    testing::Values(
        MessageCase{{SwitchOutcome::kPathError, 0},
                    {"LOL游戏路径输入错误\r\n请修改后重新尝试！", 48, "路径错误"}},
        MessageCase{{SwitchOutcome::kWritten, 0}, {"切换服务器至[ 正式服 ]成功", 64, "成功"}},
        MessageCase{{SwitchOutcome::kWriteFailed, 0}, {"切换服务器至[ 正式服 ]失败", 48, "失败"}},
        MessageCase{{SwitchOutcome::kWritten, 1}, {"切换服务器至[ 体验服 ]成功", 64, "成功"}},
        MessageCase{{SwitchOutcome::kWriteFailed, 1}, {"切换服务器至[ 体验服 ]失败", 48, "失败"}},
        MessageCase{{SwitchOutcome::kWritten, 2}, {"切换服务器至[ 比赛服 ]成功", 64, "成功"}},
        MessageCase{{SwitchOutcome::kWriteFailed, 2}, {"切换服务器至[ 比赛服 ]失败", 48, "失败"}}));

TEST(MessageFor, ShowsNoBoxWhenThereIsNothingToDo) {
  EXPECT_FALSE(MessageFor({SwitchOutcome::kNothingToDo, -1}).has_value());
}

TEST(MessageFor, PathErrorTextIsTheGbkBytes) {
  // "LOL" and eight two-byte characters, CRLF, nine two-byte characters.
  const std::string_view text = MessageFor({SwitchOutcome::kPathError, 0})->text;
  EXPECT_EQ(text.size(), 39u);
  EXPECT_EQ(text.substr(19, 2), "\r\n");
  EXPECT_EQ(text.substr(37), "\xA3\xA1");  // the full-width exclamation mark
}

TEST(RunSwitch, ShowsTheCleanedFolderInTheFieldAlsoWhenTheCheckFails) {
  InMemoryFiles files;
  InMemoryControls controls;
  controls.pathField = "  E:\\英雄联盟\\\\";
  const std::optional<Message> message = RunSwitch(controls, files);
  EXPECT_EQ(controls.pathField, "E:\\英雄联盟");
  EXPECT_EQ(message->title, "路径错误");
}

TEST(RunSwitch, WritesTheSelectedRowsDocument) {
  InMemoryFiles files;
  files.files["E:\\英雄联盟\\TCLS\\config\\dirserver.xml"] = "whatever it held";
  InMemoryControls controls;
  controls.pathField = "E:\\英雄联盟\\";
  controls.selectedRow = 1;
  EXPECT_EQ(RunSwitch(controls, files), (Message{"切换服务器至[ 体验服 ]成功", 64, "成功"}));
  EXPECT_EQ(files.files["E:\\英雄联盟\\TCLS\\config\\dirserver.xml"], ProfileDocumentFor(kTestServers));
  EXPECT_EQ(controls.pathWrites, 1);
}

TEST(RunSwitch, EndsSilentlyWithoutASelectedRow) {
  InMemoryFiles files;
  files.files["E:\\LOL\\TCLS\\config\\dirserver.xml"] = "old";
  InMemoryControls controls;
  controls.pathField = "E:\\LOL";
  controls.selectedRow = -1;
  EXPECT_FALSE(RunSwitch(controls, files).has_value());
  EXPECT_EQ(files.files["E:\\LOL\\TCLS\\config\\dirserver.xml"], "old");
}

}  // namespace
