#include "description.h"

#include "handlers.h"
#include "picture_button.h"

namespace {

constexpr FontSpec ControlFont{-14, FW_NORMAL, "微软雅黑"};
constexpr FontSpec GroupBoxFont{-12, FW_NORMAL, "微软雅黑"};

constexpr const char* kServerRows[] = {"正式服", "体验服", "比赛服"};

constexpr DWORD kPushButton = BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD kCentredGroupBox = BS_GROUPBOX | BS_CENTER;
constexpr DWORD kDropDownList = CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGrey = 0x808080;

using enum ControlKind;

// Listed order: the first lies on top, and Tab walks the list from the end.
constexpr ControlSpec kControls[kControlCount] = {
    // kind        name               parent           left top  width height text
    {kLabel, "标签3", kMainWindow, 184, 173, 184, 24, "游戏交流群:20481024",
     &ControlFont, kRed, kDefaultColour, SS_CENTER, 0, false},
    {kButton, "按钮_帮助", kMainWindow, 283, 131, 80, 32, "使用帮助",
     &ControlFont, 0, kDefaultColour, kPushButton, 0, true},
    {kEditBox, "编辑框_路径", kMainWindow, 184, 105, 184, 20, "请手动输入 例如E:\\英雄联盟",
     nullptr, kGrey, kWhite, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true},
    {kLabel, "标签2", kMainWindow, 184, 80, 80, 24, "游戏路径-",
     &ControlFont, 0, kDefaultColour, 0, 0, false},
    {kButton, "按钮_切换", kMainWindow, 283, 48, 80, 32, "确定",
     &ControlFont, 0, kDefaultColour, kPushButton, 0, true},
    {kComboBox, "组合框_服务器", kMainWindow, 264, 16, 100, 20, "",
     &ControlFont, 0, kWhite, kDropDownList, 0, true, kServerRows},
    {kLabel, "标签1", kMainWindow, 184, 16, 80, 24, "服务器列表-",
     &ControlFont, 0, kDefaultColour, 0, 0, false},
    {kGroupBox, "分组框4", kMainWindow, 8, 104, 168, 96, "更多LOL工具",
     &GroupBoxFont, 0, kDefaultColour, kCentredGroupBox, 0, false},
    {kCustom, "图形按钮_官网", kMoreToolsGroup, 5, 21, 155, 72, nullptr,
     nullptr, 0, kDefaultColour, 0, 0, false, {}, kPictureButtonClass},
    {kGroupBox, "分组框3", kMainWindow, 8, 8, 168, 96, "收听作者可了解动态",
     &GroupBoxFont, 0, kDefaultColour, kCentredGroupBox, 0, false},
    {kCustom, "图形按钮_微博", kFollowGroup, 5, 21, 155, 72, nullptr,
     nullptr, 0, kDefaultColour, 0, 0, false, {}, kPictureButtonClass},
};

constexpr EventBinding kEvents[] = {
    {kHelpButton, Event::kClicked, OnHelpClicked},
    {kPathField, Event::kLeftButtonUp, nullptr, OnPathFieldMouseUp},
    {kPathField, Event::kLostFocus, OnPathFieldLostFocus},
    {kSwitchButton, Event::kClicked, SwitchServer},
    {kSiteButton, Event::kLeftButtonUp, nullptr, OnSiteButtonMouseUp},
    {kMicroblogButton, Event::kLeftButtonUp, nullptr, OnMicroblogButtonMouseUp},
};

// Each banner's normal and hover picture.
struct Banner {
  ControlRow row;
  BannerPicture normal;
  BannerPicture hover;
};
constexpr Banner kBanners[] = {
    {kSiteButton, kSitePicture, kSiteHoverPicture},
    {kMicroblogButton, kMicroblogPicture, kMicroblogHoverPicture},
};

// The banners take their pictures as soon as the controls exist, before the window's created
// event and long before it is first shown.
void OnControlsCreated() {
  for (const Banner& banner : kBanners)
    SetPictureButtonPictures(ControlWindow(banner.row), ResourceBytes(banner.normal), ResourceBytes(banner.hover));
  OnMainWindowCreated();
}

constexpr WindowSpec kWindow{
    "QuendrelMainWindow", "[ By:Korvex ]Quendrel", 380, 232, kProgramIcon, kControls, kEvents, OnControlsCreated,
};

}  // namespace

const WindowSpec& QuendrelWindow() { return kWindow; }
