// The help button's box, and the maker's two pages that the banners open on the release of
// the left button.
#include <functional>
#include <string>
#include <vector>

#include "handlers.h"
#include "main_window_fixture.h"
#include "resting_pointer.h"
#include "url_handler.h"

namespace {

constexpr POINT kBackground{178, 100};  // the main window's own background, between the columns

TEST_F(MainWindowTest, HelpButtonShowsTheThreeUsageNotes) {
  const struct {
    const char* how;
    std::function<void()> press;
  } ways[] = {
      {"click", [this] { ClickCentre(Control(kHelpButton)); }},
      {"space", [this] {
         SetFocus(Control(kHelpButton));
         PressKey(VK_SPACE);
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    MessageBoxCatcher catcher({main_});
    way.press();
    ASSERT_EQ(catcher.boxes().size(), 1u);
    const CaughtBox& box = catcher.boxes()[0];
    EXPECT_EQ(box.text,
              "1.为保证不影响你的正常游戏，转换前请将游戏备份\r\n"
              "2.当正式服与体验服版本差距过大时会被服务器拒绝登入\r\n"
              "3.WIN7及以上版本系统请使用管理员权限运行程序，以免程序不生效");
    EXPECT_EQ(box.title, "帮助");
    EXPECT_EQ(box.icon, "information");
    EXPECT_EQ(box.buttons.size(), 1u);
    EXPECT_TRUE(box.ownerlessTopLevel);
    EXPECT_EQ(box.othersEnabled, std::vector<bool>{false});
    Pump(50);
  }
}

TEST(MakerPages, AreTwoAddressesUnderTheReservedExampleDomain) {
  for (const std::string_view url : {MakerSiteUrl, MakerMicroblogUrl}) {
    SCOPED_TRACE(url);
    ASSERT_EQ(url.substr(0, 7), "http://");
    const std::string_view host = url.substr(7, url.find('/', 7) - 7);
    EXPECT_TRUE(host == "example.com" || host.ends_with(".example.com"));
  }
  EXPECT_NE(MakerSiteUrl, MakerMicroblogUrl);
}

struct LinkCase {
  ControlRow banner;
  std::string_view page;
};
const LinkCase kLinks[] = {{kSiteButton, MakerSiteUrl}, {kMicroblogButton, MakerMicroblogUrl}};

std::vector<std::string> Times(std::size_t count, std::string_view page) {
  return std::vector<std::string>(count, std::string(page));
}

// The pages opened so far, once `count` of them are or after 10 s, delivering this thread's
// messages meanwhile: a busy machine may take a while to hand on the mouse.
std::vector<std::string> Opened(const RecordingUrlHandler& pages, std::size_t count) {
  PumpUntil([&] { return pages.Opened(count, 0).size() >= count; }, 10000);
  return pages.Opened(count, 0);
}

bool MouseReleased() {
  return PumpUntil([] { return GetCapture() == nullptr; });
}

// The main window, with the pointer resting on its background.
class LinksTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    MovePointerAndRest(main_, kBackground.x, kBackground.y);
  }
};

TEST_F(LinksTest, EachClickOnABannerOpensItsPageAgain) {
  for (const LinkCase& link : kLinks) {
    SCOPED_TRACE(link.page);
    RecordingUrlHandler pages;
    ClickAt(Control(link.banner), 40, 30);
    EXPECT_EQ(Opened(pages, 1), Times(1, link.page));
    ClickAt(Control(link.banner), 40, 30);  // at once: the second press arrives as a double click
    EXPECT_EQ(Opened(pages, 2), Times(2, link.page));
    Pump(GetDoubleClickTime() + 100);
    ClickAt(Control(link.banner), 90, 60);
    EXPECT_EQ(Opened(pages, 3), Times(3, link.page));
  }
}

TEST_F(LinksTest, APressOnABannerOpensItsPageWhereverTheButtonIsReleased) {
  const struct {
    const char* name;
    bool onTheBanner;
    ControlRow control;  // else on this control, or on the main window for kControlCount
    POINT at;
  } releases[] = {
      {"on the banner", true, kControlCount, {40, 30}},
      {"on a label", false, kChatGroupLabel, {10, 10}},
      {"on the background", false, kControlCount, kBackground},
      {"outside the window", false, kControlCount, {-40, 20}},
  };
  for (const LinkCase& link : kLinks) {
    for (const auto& release : releases) {
      SCOPED_TRACE(std::string(link.page) + " released " + release.name);
      RecordingUrlHandler pages;
      const HWND banner = Control(link.banner);
      PressMouseAt(banner, 40, 30);
      const HWND where = release.onTheBanner               ? banner
                         : release.control == kControlCount ? main_
                                                            : Control(release.control);
      ReleaseMouseAt(where, release.at.x, release.at.y);
      EXPECT_EQ(Opened(pages, 1), Times(1, link.page));
      Pump(300);
      EXPECT_EQ(pages.Opened(2, 0).size(), 1u);  // and only once
      if (!release.onTheBanner) {
        EXPECT_TRUE(MouseReleased());  // over the banner, it holds the mouse again
      }
      MovePointerAndRest(main_, kBackground.x, kBackground.y);
    }
  }
}

TEST_F(LinksTest, APressOnTheBackgroundReleasedOverABannerOpensItsPage) {
  for (const LinkCase& link : kLinks) {
    SCOPED_TRACE(link.page);
    RecordingUrlHandler pages;
    PressMouseAt(main_, kBackground.x, kBackground.y);
    ReleaseMouseAt(Control(link.banner), 40, 30);
    EXPECT_EQ(Opened(pages, 1), Times(1, link.page));
    MovePointerAndRest(main_, kBackground.x, kBackground.y);
  }
}

TEST_F(LinksTest, ReleasesAwayFromTheBannersWithoutAPressOnOneOpenNothing) {
  RecordingUrlHandler pages;
  // The pointer crosses both banners first: while it is over one, that banner holds the mouse.
  for (const LinkCase& link : kLinks) {
    MovePointerAndRest(Control(link.banner), 40, 30);
    MovePointerAndRest(main_, kBackground.x, kBackground.y);
  }
  PressMouseAt(main_, kBackground.x, kBackground.y);
  ReleaseMouseAt(Control(kChatGroupLabel), 10, 10);
  ClickAt(Control(kPathLabel), 5, 5);
  ClickAt(main_, kBackground.x, kBackground.y);
  Pump(1000);
  EXPECT_EQ(pages.Opened(1, 0), std::vector<std::string>{});
}

}  // namespace
