#pragma once
// Quendrel's main window as data: its settings, its eleven controls and the handlers bound
// to their events.

#include "frame.h"

// Rows of the control table, in the listed order.
enum ControlRow : int {
  kChatGroupLabel,    // 标签3
  kHelpButton,        // 按钮_帮助
  kPathField,         // 编辑框_路径
  kPathLabel,         // 标签2
  kSwitchButton,      // 按钮_切换
  kServerList,        // 组合框_服务器
  kServerListLabel,   // 标签1
  kMoreToolsGroup,    // 分组框4
  kSiteButton,        // 图形按钮_官网
  kFollowGroup,       // 分组框3
  kMicroblogButton,   // 图形按钮_微博
  kControlCount,
};

inline constexpr int kProgramIcon = 1;  // resource id of the program's icon

const WindowSpec& QuendrelWindow();
