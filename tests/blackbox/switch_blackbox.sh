#!/usr/bin/env bash
# The shipped program from outside: found in the registry's 32-bit view, switched by mouse
# clicks on the screen and the keyboard, checked by the bytes of the game's file, ended by Esc.
#
#   switch_blackbox.sh RUNNER QUENDREL_EXE PROBE_EXE
# RUNNER starts a Windows program in the test bed (tools/wine-run.sh or its 32-bit sibling).
set -euo pipefail
runner=$1 quendrel=$2 probe=$3
reg() { "$runner" reg "$@" >/dev/null; }
probe() { "$runner" "$probe" "$@" | tr -d '\r'; }  # console lines end in CRLF
x() { LC_ALL=C.UTF-8 xdotool "$@"; }
windows_path() { echo "Z:${1//\//\\}"; }
step() { echo "--- $*"; }

work=$(mktemp -d)
trap 'kill "$quendrel_pid" 2>/dev/null || true; reg delete "HKLM\\Software\\Tencent\\LOL" /v InstallPath /reg:32 /f || true; rm -rf "$work"' EXIT
game="$work/游戏/英雄联盟"
mkdir -p "$game/TCLS/config" "$work/elsewhere"
printf 'the old list' >"$game/TCLS/config/dirserver.xml"
reg add 'HKLM\Software\Tencent\LOL' /v InstallPath /d "$(windows_path "$game")\\" /reg:32 /f

step "start from another folder"
(cd "$work/elsewhere" && exec "$runner" "$quendrel") >"$work/quendrel.log" 2>&1 &
quendrel_pid=$!
probe wait-window

click() {
  read -r cx cy < <(probe centre "$1")
  x mousemove "$cx" "$cy" click 1
}
expect_document() {
  probe document "$1" "$(windows_path "$work/expected")"
  cmp "$work/expected" "$game/TCLS/config/dirserver.xml"
}

step "click 确定: live servers"
click 确定
probe expect-box 成功 '切换服务器至[ 正式服 ]成功'
x key Return
probe wait-no-box
expect_document 0

step "choose 体验服 with the keyboard (Shift+Tab from 确定 to the list, Down), click 确定"
[ "$(probe focus | iconv -f GBK -t UTF-8)" = "Button 确定" ]
x key shift+Tab Down
click 确定
probe expect-box 成功 '切换服务器至[ 体验服 ]成功'
x key Return
probe wait-no-box
expect_document 1

step "Esc ends the program with exit code 0"
x key Escape
status=0
wait "$quendrel_pid" || status=$?
[ "$status" -eq 0 ] || { echo "exit code $status"; cat "$work/quendrel.log"; exit 1; }
echo "every step held"
