#include <gtest/gtest.h>

#include "services.h"
#include "url_handler.h"

namespace {

TEST(OpenUrl, HandsTheAddressToTheSystemsHandler) {
  RecordingUrlHandler handler;
  OpenUrl("http://www.example.com/korvex?page=1");
  EXPECT_EQ(handler.Opened(1), std::vector<std::string>{"http://www.example.com/korvex?page=1"});
  OpenUrl("http://www.example.com/korvex?page=1");
  EXPECT_EQ(handler.Opened(2).size(), 2u);  // each call opens again
}

}  // namespace
