#include <windows.h>

#include <gtest/gtest.h>

#include "services.h"
#include "wine_support.h"

namespace {

struct BoxCase {
  unsigned flags;
  const char* icon;
};

class ShowMessageBoxTest : public testing::TestWithParam<BoxCase> {};

TEST_P(ShowMessageBoxTest, ShowsATaskModalBoxWithTheExactTexts) {
  // Two top-level windows of this thread: a task-modal box must disable both.
  HWND windows[2];
  for (HWND& window : windows) {
    window = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                             nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
  }
  const std::string text = "切换服务器至[ 体验服 ]成功\r\n第二行";
  int result = 0;
  {
    MessageBoxCatcher catcher({windows[0], windows[1]});
    result = ShowMessageBox(text, GetParam().flags, "成功");
    ASSERT_EQ(catcher.boxes().size(), 1u);
    const CaughtBox& box = catcher.boxes()[0];
    EXPECT_EQ(box.title, "成功");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, GetParam().icon);
    EXPECT_EQ(box.buttons.size(), 1u);
    EXPECT_TRUE(box.ownerlessTopLevel);
    EXPECT_EQ(box.othersEnabled, (std::vector<bool>{false, false}));
  }
  EXPECT_EQ(result, IDOK);
  for (HWND window : windows) {
    EXPECT_TRUE(IsWindowEnabled(window));
    DestroyWindow(window);
  }
}

INSTANTIATE_TEST_SUITE_P(ExclamationAndInformation, ShowMessageBoxTest,
                         testing::Values(BoxCase{48, "exclamation"}, BoxCase{64, "information"}));

TEST(ShowMessageBox, FallsBackToTheDefaultTitle) {
  MessageBoxCatcher catcher;
  ShowMessageBox("text", 64, "");
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].title, "信息：");
}

}  // namespace
