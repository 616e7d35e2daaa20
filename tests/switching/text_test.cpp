#include "text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 誠 in GBK is 0xD5 0x5C: its second byte is the backslash.
const std::string kCheng = "\xD5\x5C";
const std::string kFullWidthSpace = "\xA1\xA1";
const std::string kDanglingLead = "\xB0";

TEST(GbkLiterals, ChineseLiteralsAreCompiledAsGbk) {
  EXPECT_EQ(std::string_view("请手动输入 例如E:\\英雄联盟").size(), 26u);
  EXPECT_EQ(std::string_view("E:\\英雄联盟").size(), 11u);
  EXPECT_EQ(std::string("英"), "\xD3\xA2");
  EXPECT_EQ(std::string("　"), kFullWidthSpace);
}

TEST(TextLength, CountsBytesBeforeTheFirstNul) {
  EXPECT_EQ(TextLength(""), 0u);
  EXPECT_EQ(TextLength("E:\\英雄联盟"), 11u);
  EXPECT_EQ(TextLength(std::string_view("ab\0cd", 5)), 2u);
}

struct FindLastCase {
  std::string text;
  std::string pattern;
  bool ignoreCase;
  TextPosition expected;
};

class FindLastTest : public testing::TestWithParam<FindLastCase> {};

TEST_P(FindLastTest, FindsTheLastMatchAtACharacterStart) {
  const FindLastCase& c = GetParam();
  EXPECT_EQ(FindLast(c.text, c.pattern, c.ignoreCase), c.expected) << "text " << testing::PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindLastTest,
    testing::Values(FindLastCase{"", "\\", true, kNotFound},
                    FindLastCase{"E:\\Games", "\\", true, 3},
                    FindLastCase{"E:\\Games\\", "\\", true, 9},
                    FindLastCase{kCheng, "\\", true, kNotFound},      // 0x5C inside a character
                    FindLastCase{"E:\\" + kCheng, "\\", true, 3},
                    FindLastCase{"aaa", "aa", false, 2},              // overlapping matches count
                    FindLastCase{"abcABC", "abc", false, 1},
                    FindLastCase{"abcABC", "abc", true, 4},
                    FindLastCase{"x[y", "{", true, kNotFound},        // only letters are folded
                    FindLastCase{"abc", "", false, 1},                // empty pattern
                    FindLastCase{"", "", false, kNotFound},
                    FindLastCase{"ab", "abc", false, kNotFound},      // pattern longer than text
                    FindLastCase{"E:" + kDanglingLead, kDanglingLead, false, 3},  // dangling lead byte
                    FindLastCase{kCheng + "\\", "\\", false, 3},
                    // A match that starts on a second byte does not count; one at a start does.
                    FindLastCase{"\xB0\x41\x41", "\x41\x41", false, kNotFound},
                    FindLastCase{"\x41\xB0\x41\x41", "\x41", false, 4},
                    FindLastCase{std::string("a\\b\0\\", 5), "\\", false, 2}));  // stops at NUL

TEST(FindLast, SearchesLongTextsByCharacters) {
  // Two-byte characters whose second byte is a backslash, then one real backslash.
  std::string text;
  for (int i = 0; i < 5000; ++i) text += kCheng;
  EXPECT_EQ(FindLast(text, "\\", false), kNotFound);
  text += "\\";
  EXPECT_EQ(FindLast(text, "\\", false), static_cast<TextPosition>(text.size()));
  EXPECT_EQ(FindLast(std::string(100000, 'a') + "b", std::string(1000, 'a') + "b", false), 99001);
}

struct TrimCase {
  std::string text;
  std::string expected;
};

class TrimBlanksTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimBlanksTest, RemovesBlanksAtBothEnds) {
  EXPECT_EQ(TrimBlanks(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimBlanksTest,
    testing::Values(TrimCase{"  E:\\Games  ", "E:\\Games"},
                    TrimCase{kFullWidthSpace + "E:\\Games" + kFullWidthSpace, "E:\\Games"},
                    TrimCase{"\tE:\\Games\t", "\tE:\\Games\t"},  // tabs are no blanks
                    TrimCase{"   ", ""},
                    TrimCase{" " + kFullWidthSpace + " ", ""},
                    TrimCase{"", ""},
                    TrimCase{"E:\\My Games", "E:\\My Games"},
                    TrimCase{"E:\\Games" + kDanglingLead, "E:\\Games"},
                    TrimCase{"E:\\Games " + kDanglingLead, "E:\\Games "},  // blanks before it stay
                    TrimCase{"\xA1" "E", "\xA1" "E"},                       // 0xA1 alone is no blank
                    // 0xB0 0xA1 is one character: the 0xA1 after it is a dangling lead byte,
                    // not half of a full-width space.
                    TrimCase{"x\xB0\xA1\xA1", "x\xB0\xA1"},
                    TrimCase{"x\xB0\xA1\xA1\xA1", "x\xB0\xA1"},
                    TrimCase{"E:\\英雄联盟　", "E:\\英雄联盟"}));

struct StripCase {
  std::string text;
  std::string expected;
};

class StripTrailingBackslashesTest : public testing::TestWithParam<StripCase> {};

TEST_P(StripTrailingBackslashesTest, RemovesExactlyTheTrailingBackslashes) {
  EXPECT_EQ(StripTrailingBackslashes(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StripTrailingBackslashesTest,
    testing::Values(StripCase{"D:\\LOL\\x\\", "D:\\LOL\\x"},
                    StripCase{"E:\\a\\", "E:\\a"},
                    StripCase{"E:\\", "E:"},
                    StripCase{"E:\\英雄联盟\\\\", "E:\\英雄联盟"},
                    StripCase{"E:\\" + kCheng, "E:\\" + kCheng},          // the 0x5C of 誠 stays
                    StripCase{"E:\\" + kCheng + "x\\", "E:\\" + kCheng + "x"},
                    StripCase{"E:\\" + kCheng + "\\", "E:\\" + kCheng},
                    StripCase{"E:\\ ", "E:\\ "},                          // a blank ends the text
                    StripCase{"\\\\\\", ""},
                    StripCase{"", ""}));

TEST(StripTrailingBackslashes, EmptiesAHundredThousandBackslashes) {
  EXPECT_EQ(StripTrailingBackslashes(std::string(100000, '\\')), "");
}

TEST(TextToBytes, KeepsEveryByteAndDropsTheNul) {
  EXPECT_EQ(TextToBytes("a\r\nb"), "a\r\nb");
  EXPECT_EQ(TextToBytes("英雄").size(), 4u);
  EXPECT_EQ(TextToBytes(""), "");
  EXPECT_EQ(TextToBytes(std::string_view("ab\0c", 4)), "ab");
}

TEST(ConcatText, JoinsThePartsInOrder) {
  EXPECT_EQ(ConcatText(std::string(), "\\TCLS\\config\\dirserver.xml"), "\\TCLS\\config\\dirserver.xml");
  EXPECT_EQ(ConcatText("E:\\英雄联盟", "\\x", std::string_view("y\0z", 3)), "E:\\英雄联盟\\xy");
  EXPECT_EQ(ConcatText("", ""), "");
  EXPECT_EQ(ConcatText("a", "b").size(), 2u);
}

struct CompareCase {
  std::string a;
  std::string b;
  int expected;
};

class CompareTextTest : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareTextTest, OrdersByUnsignedBytes) {
  const CompareCase& c = GetParam();
  EXPECT_EQ(CompareText(c.a, c.b), c.expected);
  EXPECT_EQ(CompareText(c.b, c.a), -c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompareTextTest,
                         testing::Values(CompareCase{"", "", 0},
                                         CompareCase{"", "a", -1},
                                         CompareCase{"a", "A", 1},        // no case folding
                                         CompareCase{"\x80", "a", 1},     // bytes are unsigned
                                         CompareCase{"ab", "abc", -1},
                                         CompareCase{"请手动输入 例如E:\\英雄联盟", "请手动输入 例如E:\\英雄联盟", 0},
                                         CompareCase{std::string("ab\0x", 4), "ab", 0}));

}  // namespace
