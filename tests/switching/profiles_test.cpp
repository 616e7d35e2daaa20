#include "profiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> SplitAtCrlf(std::string_view document) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = document.find("\r\n", begin)) != std::string_view::npos; begin = end + 2)
    lines.emplace_back(document.substr(begin, end - begin));
  lines.emplace_back(document.substr(begin));
  return lines;
}

bool IsAscii(std::string_view bytes) {
  for (char byte : bytes)
    if (static_cast<unsigned char>(byte) >= 0x80 || byte == '\0') return false;
  return true;
}

TEST(ConfigFileSuffix, NamesTheFileBelowTheInstallDirectory) {
  EXPECT_EQ(ConfigFileSuffix, "\\TCLS\\config\\dirserver.xml");
  EXPECT_EQ(ConfigFileSuffix.size(), 26u);
}

TEST(ProfileDocuments, LiveListHasFiveServersAndEndsWithCrlf) {
  const std::string_view live = ProfileDocumentFor(kLiveServers);
  ASSERT_TRUE(IsAscii(live));
  ASSERT_TRUE(live.ends_with("</Server>\r\n"));
  const std::vector<std::string> lines = SplitAtCrlf(live);
  ASSERT_EQ(lines.size(), 12u);  // eleven lines, each ending with CRLF
  EXPECT_EQ(lines[0], "<!-- dir server ip ,port   -->");
  EXPECT_EQ(lines[1], "<Server>");
  EXPECT_EQ(lines[2], "    <DirServer count=\"5\" SuccessfulServerID=\"1\" SuccessfulPort=\"5223\">");
  EXPECT_EQ(lines[3], "        <server1 host=\"dir.live.example.net\" />");
  EXPECT_EQ(lines[4], "\t\t<server2 host=\"192.0.2.11\" />");
  EXPECT_EQ(lines[5], "\t\t<server3 host=\"192.0.2.12\" />");
  EXPECT_EQ(lines[6], "\t\t<server4 host=\"198.51.100.13\" />");
  EXPECT_EQ(lines[7], "\t\t<server5 host=\"198.51.100.14\" />");
  EXPECT_EQ(lines[8], "        <portlist count=\"2\" port1=\"5223\" port2=\"8000\">0</portlist>");
  EXPECT_EQ(lines[9], "    </DirServer>");
  EXPECT_EQ(lines[10], "</Server>");
  EXPECT_EQ(lines[11], "");
  EXPECT_EQ(live.size(), 398u);
}

struct SingleServerCase {
  ServerProfile profile;
  std::string serverLine;
  std::size_t size;
};

class SingleServerDocumentTest : public testing::TestWithParam<SingleServerCase> {};

TEST_P(SingleServerDocumentTest, SharesItsFirstLineAndEndsWithoutCrlf) {
  const std::string_view document = ProfileDocumentFor(GetParam().profile);
  ASSERT_TRUE(IsAscii(document));
  EXPECT_TRUE(document.ends_with("    </DirServer>\r\n</Server>"));
  const std::vector<std::string> lines = SplitAtCrlf(document);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "<!-- dir server ip ,port   --><Server>");
  EXPECT_EQ(lines[1], "    <DirServer count=\"1\" SuccessfulServerID=\"1\" SuccessfulPort=\"5223\">");
  EXPECT_EQ(lines[2], GetParam().serverLine);
  EXPECT_EQ(lines[3], "        <portlist count=\"1\" port1=\"5223\">0</portlist>");
  EXPECT_EQ(lines[4], "    </DirServer>");
  EXPECT_EQ(lines[5], "</Server>");
  EXPECT_EQ(document.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    TestAndTournament, SingleServerDocumentTest,
    testing::Values(SingleServerCase{kTestServers, "        <server1 host=\"dir.test.example.net\" />", 243},
                    SingleServerCase{kTournamentServers, "        <server1 host=\"203.0.113.21\" />", 235}));

}  // namespace
