#include <windows.h>

#include <gtest/gtest.h>

TEST(TestBed, RunsWithTheChineseAnsiCodePage) {
  EXPECT_EQ(GetACP(), 936u);
}
