#!/usr/bin/env bash
# Makes the test bed's Wine prefix; run by winebed.sh with its environment.
set -euo pipefail
wine=/usr/lib/wine/wine64

"$wine" wineboot -i
"$WINESERVER" -w
"$WINESERVER" -p
# A virtual desktop of 1366 x 768 makes window placement and focus deterministic.
"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1366x768 /f
# The window asks for these faces; map them to the installed CJK font.
for face in 微软雅黑 'Microsoft YaHei' 宋体 SimSun; do
  "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'WenQuanYi Micro Hei' /f
done
"$WINESERVER" -k
"$WINESERVER" -w
