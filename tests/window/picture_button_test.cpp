// The picture buttons on the screen: each banner's pictures pixel for pixel, the hover
// picture under the pointer, the mouse held while pressed, and pictures that do not decode.
#include <cstdio>
#include <string>

#include "jpeg_picture.h"
#include "main_window_fixture.h"
#include "resting_pointer.h"
#include "unique_handle.h"
#include "url_handler.h"

namespace {

constexpr POINT kBackground{178, 100};  // the main window's own background, between the columns
constexpr POINT kInsideBanner{77, 36};

struct BannerCase {
  ControlRow row;
  BannerPicture normal;
  BannerPicture hover;
};
const BannerCase kBanners[] = {
    {kSiteButton, kSitePicture, kSiteHoverPicture},
    {kMicroblogButton, kMicroblogPicture, kMicroblogHoverPicture},
};

// No picture when the bytes do not decode: the button then shows black.
JpegPicture Decoded(std::string_view bytes) { return DecodeJpeg(bytes).value_or(JpegPicture{}); }

// Whether the screen shows exactly the picture at the button's top left, and black beyond it,
// in the button's first `columns` columns (all when negative).
testing::AssertionResult Shows(HWND captured, HWND button, const JpegPicture& picture, int columns = -1) {
  const Capture screen(captured);
  const POINT origin = Capture::ClientOrigin(captured, button);
  RECT client;
  GetClientRect(button, &client);
  if (columns >= 0) client.right = columns;
  int differing = 0;
  char first[96] = "";
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) {
      COLORREF expected = 0;
      if (x < picture.width && y < picture.height) {
        const auto at = static_cast<std::size_t>((y * picture.width + x) * 4);
        expected = RGB(picture.pixels[at + 2], picture.pixels[at + 1], picture.pixels[at]);
      }
      const COLORREF actual = screen.at(origin.x + x, origin.y + y);
      if (actual != expected && differing++ == 0)
        std::snprintf(first, sizeof first, "first at (%d, %d): 0x%06lx instead of 0x%06lx", x, y, actual, expected);
    }
  }
  if (differing == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << differing << " pixels differ, " << first;
}

TEST(PictureButtonClass, HasItsClassStylesTheArrowAndNoBackgroundBrush) {
  ASSERT_TRUE(RegisterPictureButtonClass());
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kPictureButtonClass, &info));
  EXPECT_EQ(info.style, UINT{CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW});
  EXPECT_EQ(info.hCursor, LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(info.hbrBackground, nullptr);
}

TEST(BannerPictures, AreBuiltInAt155By72AndEachHoverPictureIsAVisibleVariant) {
  for (const BannerCase& banner : kBanners) {
    const std::optional<JpegPicture> normal = DecodeJpeg(ResourceBytes(banner.normal));
    const std::optional<JpegPicture> hover = DecodeJpeg(ResourceBytes(banner.hover));
    ASSERT_TRUE(normal && hover) << banner.normal;
    EXPECT_EQ(normal->width, 155);
    EXPECT_EQ(normal->height, 72);
    EXPECT_EQ(hover->width, 155);
    EXPECT_EQ(hover->height, 72);
    int changed = 0;
    for (std::size_t at = 0; at < normal->pixels.size(); at += 4)
      changed += normal->pixels[at] != hover->pixels[at] || normal->pixels[at + 1] != hover->pixels[at + 1] ||
                 normal->pixels[at + 2] != hover->pixels[at + 2];
    EXPECT_GT(changed, 155 * 72 / 4) << banner.normal;  // a quarter of the banner at least
  }
}

// The main window made while the pointer rests on its background, away from the banners.
class BannerTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    MovePointerAndRest(main_, kBackground.x, kBackground.y);
    Reopen("");
    MovePointerAndRest(main_, kBackground.x, kBackground.y);
  }
};

TEST_F(BannerTest, EachBannerShowsItsNormalPictureAtStartAndHasNoRegion) {
  for (const BannerCase& banner : kBanners) {
    SCOPED_TRACE(QuendrelWindow().controls[banner.row].name);
    EXPECT_TRUE(Shows(main_, Control(banner.row), Decoded(ResourceBytes(banner.normal))));
    const UniqueHandle<GdiObjectTraits<HRGN>> region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(Control(banner.row), region.get()), ERROR);
  }
}

TEST_F(BannerTest, ShowsTheHoverPictureWhileThePointerIsOverIt) {
  for (const BannerCase& banner : kBanners) {
    SCOPED_TRACE(QuendrelWindow().controls[banner.row].name);
    const HWND button = Control(banner.row);
    MovePointerAndRest(button, kInsideBanner.x, kInsideBanner.y);
    EXPECT_TRUE(Shows(main_, button, Decoded(ResourceBytes(banner.hover))));
    EXPECT_EQ(GetCapture(), button);  // how it sees the pointer leave
    MovePointerAndRest(main_, kBackground.x, kBackground.y);
    EXPECT_TRUE(Shows(main_, button, Decoded(ResourceBytes(banner.normal))));
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

TEST_F(BannerTest, PressedShowsTheNormalPictureAndHoldsTheMouseUntilTheRelease) {
  RecordingUrlHandler pages;  // the release opens a page
  for (const BannerCase& banner : kBanners) {
    SCOPED_TRACE(QuendrelWindow().controls[banner.row].name);
    const HWND button = Control(banner.row);
    MovePointerAndRest(button, kInsideBanner.x, kInsideBanner.y);
    PressMouseAt(button, kInsideBanner.x, kInsideBanner.y);
    EXPECT_TRUE(Shows(main_, button, Decoded(ResourceBytes(banner.normal))));
    EXPECT_EQ(GetCapture(), button);
    MovePointerAndRest(main_, kBackground.x, kBackground.y);
    EXPECT_TRUE(Shows(main_, button, Decoded(ResourceBytes(banner.normal))));
    EXPECT_EQ(GetCapture(), button);
    ReleaseMouseAt(main_, kBackground.x, kBackground.y);
    EXPECT_TRUE(PumpUntil([] { return GetCapture() == nullptr; }));
    EXPECT_TRUE(Shows(main_, button, Decoded(ResourceBytes(banner.normal))));
    EXPECT_NE(GetFocus(), button);
  }
}

// Only where the banner itself is the window under the pointer does it count as over it.
TEST_F(BannerTest, APartCoveredByAnotherWindowIsNotOverTheBanner) {
  const HWND button = Control(kSiteButton);
  RECT place;
  GetWindowRect(button, &place);
  // A push button: unlike a static control it does not let the pointer fall through.
  const HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "BUTTON", "", WS_POPUP | WS_VISIBLE,
                                     place.left + 100, place.top, 55, 72, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(cover);
  Pump(50);
  MovePointerAndRest(button, 50, 36);
  EXPECT_EQ(GetCapture(), button);
  EXPECT_TRUE(Shows(main_, button, Decoded(ResourceBytes(kSiteHoverPicture)), 100));
  MovePointerAndRest(button, 120, 36);  // still inside the banner, but under the cover
  EXPECT_TRUE(PumpUntil([] { return GetCapture() == nullptr; }));
  EXPECT_TRUE(Shows(main_, button, Decoded(ResourceBytes(kSitePicture)), 100));
  DestroyWindow(cover);
}

// A picture button of its own, 200 x 100 on the desktop: larger than its pictures.
class LoneButton {
 public:
  LoneButton(std::string_view normal, std::string_view hover)
      : window_(CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kPictureButtonClass, "", WS_POPUP | WS_VISIBLE, 40,
                                40, 200, 100, nullptr, nullptr, nullptr, nullptr)) {
    SetPictureButtonPictures(window_, normal, hover);
    Pump(50);
  }
  ~LoneButton() { DestroyWindow(window_); }
  LoneButton(const LoneButton&) = delete;
  LoneButton& operator=(const LoneButton&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

TEST(PictureButton, PicturesThatDoNotDecodeCountAsMissing) {
  ASSERT_TRUE(RegisterPictureButtonClass());
  const std::string normal(ResourceBytes(kSitePicture));
  const std::string hover(ResourceBytes(kSiteHoverPicture));
  const std::string truncated = normal.substr(0, normal.size() / 2);
  std::string corrupt = hover;
  corrupt.replace(corrupt.size() / 2, 2, "\xFF\xD9");  // the end marker inside the picture's data
  const JpegPicture normalPicture = Decoded(normal), hoverPicture = Decoded(hover), none;
  const struct {
    const char* name;
    std::string_view normal, hover;
    const JpegPicture& shownNormally;
    const JpegPicture& shownUnderThePointer;
  } cases[] = {
      {"both decode", normal, hover, normalPicture, hoverPicture},
      {"hover picture cut off", normal, truncated, normalPicture, normalPicture},
      {"hover picture corrupt", normal, corrupt, normalPicture, normalPicture},
      {"normal picture cut off", truncated, hover, none, hoverPicture},
      {"both corrupt", corrupt, corrupt, none, none},
      {"both empty", "", "", none, none},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const LoneButton button(c.normal, c.hover);
    MovePointerAndRest(button.get(), 400, 300);  // away, on the desktop
    EXPECT_TRUE(Shows(button.get(), button.get(), c.shownNormally));
    MovePointerAndRest(button.get(), 100, 50);
    EXPECT_TRUE(Shows(button.get(), button.get(), c.shownUnderThePointer));
    MovePointerAndRest(button.get(), 400, 300);
  }
}

}  // namespace
