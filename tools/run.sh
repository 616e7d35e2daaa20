#!/usr/bin/env bash
# Starts the built Quendrel.exe in the test bed (run inside tools/winebed.sh) with a
# demonstration game folder that the registry names, as an installed game would.
# With a display of your own (KEEP_DISPLAY=1) the tool stays open until you close it;
# without one it runs on Xvfb, saves a screenshot of its window and is closed with Esc.
#
#   tools/run.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(realpath "$1")
run() { "$here/wine-run.sh" "$@"; }

game="$build/demo-game"
mkdir -p "$game/TCLS/config"
[ -f "$game/TCLS/config/dirserver.xml" ] || printf 'the demonstration game'"'"'s list\r\n' >"$game/TCLS/config/dirserver.xml"
run reg add 'HKLM\Software\Tencent\LOL' /v InstallPath /d "Z:${game//\//\\}\\" /reg:32 /f >/dev/null
echo "demonstration game folder: $game"

if [ "${KEEP_DISPLAY:-0}" = 1 ]; then
  run "$build/Quendrel.exe"
  exit
fi

run "$build/Quendrel.exe" >"$build/quendrel.log" 2>&1 &
quendrel=$!
read -r left top width height < <(run "$build/tests/probe.exe" wait-window | tr -d '\r')
sleep 1  # let the first paint reach the screen
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$build/quendrel-window.png"
LC_ALL=C.UTF-8 xdotool key Escape
wait "$quendrel"
echo "no display here: the window ran on Xvfb; screenshot saved to $build/quendrel-window.png"
