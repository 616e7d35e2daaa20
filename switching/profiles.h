#pragma once
// The three bodies of the game client's directory-server list, and where that file lies.

#include <string_view>

// The row of the server list; -1 when no row is selected.
enum ServerProfile : int {
  kLiveServers = 0,        // 正式服
  kTestServers = 1,        // 体验服
  kTournamentServers = 2,  // 比赛服
};

// Appended to the game's install directory to name the file that is replaced.
inline constexpr std::string_view ConfigFileSuffix = "\\TCLS\\config\\dirserver.xml";

// The whole body for profile 0, 1 or 2, as the bytes to write (no NUL, no byte-order mark).
// Defined for those three values only.
std::string_view ProfileDocumentFor(ServerProfile profile);
