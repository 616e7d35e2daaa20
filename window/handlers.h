#pragma once
// What the main window does on its events.

#include <string_view>

inline constexpr std::string_view PathHint = "请手动输入 例如E:\\英雄联盟";
inline constexpr std::string_view InstallPathKey = "SOFTWARE\\Tencent\\LOL\\InstallPath";  // HKLM, 32-bit view
inline constexpr unsigned kHintColour = 0x808080;
inline constexpr unsigned kTextColour = 0;

// The maker's pages, which the two banners open.
inline constexpr std::string_view MakerMicroblogUrl = "http://weibo.example.com/korvex";
inline constexpr std::string_view MakerSiteUrl = "http://korvex.example.com/";

void OnMainWindowCreated();
void OnPathFieldMouseUp(int x, int y, int keys);
void OnPathFieldLostFocus();
void SwitchServer();
void OnHelpClicked();
void OnMicroblogButtonMouseUp(int x, int y, int keys);
void OnSiteButtonMouseUp(int x, int y, int keys);
