// What the frame does when the window cannot be made, and where it runs the program from.
#include <windows.h>

#include <gtest/gtest.h>

#include "frame.h"
#include "wine_support.h"

namespace {

constexpr ControlSpec kUnmakeable[] = {
    {ControlKind::kCustom, "nowhere", kMainWindow, 0, 0, 10, 10, nullptr, nullptr, 0, kDefaultColour, 0, 0, false, {},
     "NoSuchWindowClass"},
};
constexpr WindowSpec kBrokenWindow{"QuendrelBrokenWindow", "broken", 380, 232, 1, kUnmakeable, {}, nullptr};

TEST(Frame, ShowsAStopBoxAndEndsWithMinusOneWhenTheWindowCannotBeMade) {
  char before[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, before);
  SetCurrentDirectoryA("C:\\");
  MessageBoxCatcher catcher;
  EXPECT_EQ(RunProgram(kBrokenWindow), -1);
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].icon, "stop");
  EXPECT_FALSE(catcher.boxes()[0].text.empty());
  // Start-up made the program's folder the current directory first.
  char now[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, now);
  EXPECT_STRCASEEQ(now, ThisProgramFolder().c_str());
  SetCurrentDirectoryA(before);
  EXPECT_FALSE(FindWindowA("QuendrelBrokenWindow", nullptr));
}

}  // namespace
