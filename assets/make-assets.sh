#!/usr/bin/env bash
# Regenerates the program's pictures in assets/ from scratch:
#   quendrel.ico              red "Q" on black; 48/32/16 px, each in 256 colours and 32-bit
#   图形按钮_官网.jpg          155x72 banner: emblem + "Korvex" (and its hover variant, _悬停)
#   图形按钮_微博.jpg          155x72 banner: drawn avatar + "@Korvex" (and its hover variant)
# Needs python3, ImageMagick 6 (convert) and fonts-dejavu-core + fonts-wqy-microhei.
# Output is deterministic: no metadata, no timestamps, fixed "random" stars.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$HERE"

# Use the real ImageMagick, not some other "convert" earlier in PATH.
IM=${IM:-/usr/bin/convert}
if ! "$IM" -version 2>/dev/null | grep -q '^Version: ImageMagick'; then
  echo "make-assets.sh: $IM is not ImageMagick (set IM=/path/to/convert)" >&2
  exit 1
fi

LATIN_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
CJK=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
for f in "$LATIN_BOLD" "$CJK"; do
  [ -r "$f" ] || { echo "make-assets.sh: missing font $f" >&2; exit 1; }
done

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

export MAGICK_THREAD_LIMIT=1   # keep resampling results identical run to run

# JPEG output: baseline, 4:4:4 (crisp coloured text), no EXIF/JFIF comments or profiles.
jpeg() {
  "$IM" "$1" -strip -colorspace sRGB -type TrueColor -interlace none \
    -sampling-factor 1x1,1x1,1x1 -quality 90 "JPEG:$2"
}

# ---------------------------------------------------------------- icon
# Coverage masks (white letter on black) for 48 and 32 px: render big, trim to
# the glyph, fit into the icon with a small margin, scale down. 16 px is hand-drawn
# inside make-icon.py.
for s in 48 32; do
  big=$((s * 8))
  box=$((big * 88 / 100))
  "$IM" -size ${big}x${big} xc:black -font "$LATIN_BOLD" -pointsize $((big * 9 / 10)) \
    -fill white -gravity center -annotate +0+0 Q -trim +repage \
    -resize ${box}x${box} -background black -gravity center -extent ${big}x${big} \
    -filter Box -resize ${s}x${s} -colorspace Gray -depth 8 "GRAY:$TMP/q$s.gray"
done
python3 "$HERE/make-icon.py" quendrel.ico "48:$TMP/q48.gray" "32:$TMP/q32.gray"

# ---------------------------------------------------------------- stars
# Deterministic star field (simple LCG, fixed seed) as ImageMagick draw commands.
stars() {
  python3 - "$@" <<'EOF'
import sys
w, h, n, seed = (int(a) for a in sys.argv[1:5])
x = seed
def rnd():
    global x
    x = (x * 1103515245 + 12345) & 0x7FFFFFFF
    return x / 0x80000000
out = []
# keep the area behind the text (x 56..152, y 12..58) free of stars
def spot():
    while True:
        cx, cy = rnd() * w, rnd() * h
        if not (56 <= cx <= 152 and 12 <= cy <= 58):
            return cx, cy
for _ in range(n):
    cx, cy = spot()
    r = 0.35 + rnd() * 0.6
    a = 0.35 + rnd() * 0.65
    out.append(f"fill rgba(255,255,255,{a:.2f}) circle {cx:.1f},{cy:.1f} {cx + r:.1f},{cy:.1f}")
# a few bigger four-point sparkles
for _ in range(4):
    cx, cy = spot()
    out.append(f"fill rgba(255,255,255,0.85) polygon {cx:.1f},{cy-2.5:.1f} {cx+0.6:.1f},{cy-0.6:.1f} "
               f"{cx+2.5:.1f},{cy:.1f} {cx+0.6:.1f},{cy+0.6:.1f} {cx:.1f},{cy+2.5:.1f} "
               f"{cx-0.6:.1f},{cy+0.6:.1f} {cx-2.5:.1f},{cy:.1f} {cx-0.6:.1f},{cy-0.6:.1f}")
print("\n".join(out))
EOF
}

W=155
H=72

# ---------------------------------------------------------------- 官网 (site)
# Shield emblem on the left, "Korvex" + "官方工具站" on the right.
SHIELD="path 'M 29,8 L 48,14 L 48,35 Q 48,54 29,64 Q 10,54 10,35 L 10,14 Z'"
SHIELD_IN="path 'M 29,12 L 44,17 L 44,35 Q 44,51 29,59.5 Q 14,51 14,35 L 14,17 Z'"
STAR="polygon 29,22 31.9,30.6 40.9,30.6 33.6,35.9 36.4,44.5 29,39.2 21.6,44.5 24.4,35.9 17.1,30.6 26.1,30.6"

site() { # $1 = out, $2 = hover (0/1)
  local bg1 bg2 rim field star name sub glow line
  if [ "$2" = 1 ]; then
    bg1='#2a3346'; bg2='#10141d'; rim='#ffe27a'; field='#c4202a'; star='#fff6c8'
    name='#ffd54a'; sub='#ffffff'; line='#ffd54a'
    glow=(\( -size "${W}x${H}" xc:none -fill 'rgba(255,200,60,0.9)' -draw "$SHIELD" -blur 0x5 \) -compose Screen -composite -compose Over)
  else
    bg1='#1b202b'; bg2='#0a0c11'; rim='#c9a13b'; field='#8e1820'; star='#e9d9a0'
    name='#e8c872'; sub='#c9ced8'; line='#5a4a22'
    glow=()
  fi
  "$IM" -size ${W}x${H} radial-gradient:"$bg1"-"$bg2" \
    -gravity NorthWest \
    "${glow[@]}" \
    -stroke none -fill "$rim" -draw "$SHIELD" \
    -fill "$field" -draw "$SHIELD_IN" \
    -fill 'rgba(0,0,0,0.25)' -draw "path 'M 29,12 L 29,59.5 Q 14,51 14,35 L 14,17 Z'" \
    -fill "$star" -draw "$STAR" \
    -fill "$line" -draw "rectangle 58,44 148,44.9" \
    -font "$LATIN_BOLD" -pointsize 19 -fill "$name" -annotate +58+15 'Korvex' \
    -font "$CJK" -pointsize 13 -fill "$sub" -annotate +59+48 '官方工具站' \
    -fill none -stroke "$line" -strokewidth 1 -draw "rectangle 0.5,0.5 154.5,71.5" \
    "$TMP/site.miff"
  jpeg "$TMP/site.miff" "$1"
}

# ---------------------------------------------------------------- 微博 (social)
# Blue starry banner, round drawn avatar, "@Korvex" with a verification mark.
social() { # $1 = out, $2 = hover (0/1)
  local bg1 bg2 ring name sub halo starfield
  if [ "$2" = 1 ]; then
    bg1='#3a8cf0'; bg2='#1048a8'; ring='#ffe27a'; name='#ffe27a'; sub='#ffffff'
    halo=(\( -size "${W}x${H}" xc:none -fill 'rgba(255,230,140,1)' -draw "circle 30,36 30,9" -blur 0x4 \) -compose Screen -composite -compose Over)
  else
    bg1='#1c5fc4'; bg2='#0a2a6e'; ring='#ffffff'; name='#ffffff'; sub='#cfe0fa'
    halo=()
  fi
  starfield=$(stars $W $H 34 20240611)
  "$IM" -size ${W}x${H} gradient:"$bg1"-"$bg2" \
    -stroke none -draw "$starfield" \
    "${halo[@]}" \
    -fill 'rgba(0,0,0,0.35)' -draw "circle 30,37 30,12" \
    -fill "$ring" -draw "circle 30,36 30,12" \
    \( -size ${W}x${H} xc:none \
       -fill '#a8d8ff' -draw "circle 30,36 30,14" \
       -fill '#4a3020' -draw "ellipse 30,32 12.5,12 0,360" -draw "rectangle 17.5,32 42.5,42" \
       -fill '#e8452c' -draw "path 'M 14,60 Q 17,48.5 30,48.5 Q 43,48.5 46,60 L 46,64 L 14,64 Z'" \
       -fill '#f3c79e' -draw "path 'M 26.5,44 L 33.5,44 L 33,51 Q 30,53 27,51 Z'" \
       -fill '#f9d7b4' -draw "ellipse 30,36 10,11.5 0,360" \
       -draw "ellipse 19.8,37 1.8,2.6 0,360" -draw "ellipse 40.2,37 1.8,2.6 0,360" \
       -fill '#4a3020' -draw "path 'M 19.5,35 Q 18.5,23 30,22.5 Q 41.5,23 40.5,35 Q 38.5,28.5 33,27.5 Q 27,31 19.5,35 Z'" \
       -fill '#2a1c14' -draw "ellipse 26,36.5 1.6,2 0,360" -draw "ellipse 34,36.5 1.6,2 0,360" \
       -fill '#ffffff' -draw "circle 26.6,35.8 26.6,36.4" -draw "circle 34.6,35.8 34.6,36.4" \
       -fill 'rgba(240,110,100,0.45)' -draw "ellipse 22.8,41 2,1.3 0,360" -draw "ellipse 37.2,41 2,1.3 0,360" \
       -fill none -stroke '#b03a26' -strokewidth 1.2 -draw "path 'M 26.8,42.2 Q 30,45 33.2,42.2'" \
       -stroke none \
       \( -size ${W}x${H} xc:black -fill white -draw "circle 30,36 30,14" \) \
       -alpha off -compose CopyOpacity -composite -compose Over \
    \) -composite \
    -gravity NorthWest \
    -font "$LATIN_BOLD" -pointsize 16 \
    -fill 'rgba(0,20,60,0.55)' -annotate +59+19 '@Korvex' \
    -fill "$name" -annotate +58+18 '@Korvex' \
    -fill '#ff8a00' -stroke '#ffffff' -strokewidth 1 -draw "circle 143,26.5 143,31.5" \
    -fill none -stroke '#ffffff' -strokewidth 1.6 -draw "polyline 140.4,26.6 142.3,28.7 145.7,24.4" \
    -stroke none -font "$CJK" -pointsize 12 \
    -fill 'rgba(0,20,60,0.55)' -annotate +60+43 '官方微博 · 关注' \
    -fill "$sub" -annotate +59+42 '官方微博 · 关注' \
    "$TMP/social.miff"
  jpeg "$TMP/social.miff" "$1"
}

site   '图形按钮_官网.jpg'      0
site   '图形按钮_官网_悬停.jpg' 1
social '图形按钮_微博.jpg'      0
social '图形按钮_微博_悬停.jpg' 1

echo "assets written to $HERE"
