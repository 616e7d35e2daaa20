// Shows what the portable core produces: the three documents and cleaned game folders.
#include <cstdio>
#include <string>

#include "profiles.h"
#include "text.h"

int main() {
  const char* names[] = {"live", "test", "tournament"};
  for (int profile = kLiveServers; profile <= kTournamentServers; ++profile) {
    const std::string_view document = ProfileDocumentFor(static_cast<ServerProfile>(profile));
    std::printf("%-10s document: %zu bytes\n", names[profile], document.size());
  }
  for (const char* typed : {"D:\\Games\\LOL\\\\", "E:\\", "C:\\Program Files\\LOL"}) {
    const Text folder = TrimBlanks(StripTrailingBackslashes(typed));
    std::printf("typed [%s] -> file %s\n", typed, ConcatText(folder, ConfigFileSuffix).c_str());
  }
}
