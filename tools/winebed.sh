#!/usr/bin/env bash
# The Wine test bed: runs COMMAND with a Wine prefix of the project's own in BUILD_DIR,
# a Chinese (code page 936) locale, a 1366 x 768 virtual desktop, a persistent wineserver
# and, unless KEEP_DISPLAY=1 and a display exists, a private Xvfb server.
#
#   tools/winebed.sh [--32] BUILD_DIR COMMAND [ARG...]
#
# Inside COMMAND, tools/wine-run.sh starts Windows programs in that prefix. With --32 the
# prefix also holds Wine's 32-bit side (a 64-bit prefix made with wine32 installed, where the
# background services stay 64-bit and fast), and tools/wine-run32.sh starts 32-bit programs.
set -euo pipefail

bits=64
if [ "${1:-}" = --32 ]; then bits=32; shift; fi
build_dir=$(realpath -m "$1"); shift
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$build_dir"

export WINEPREFIX="$build_dir/wineprefix"
export WINEARCH=win64
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
# No Mono or Gecko installer prompts: the project needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINESERVER=/usr/lib/wine/wineserver64
# Where qemu runs Wine's 32-bit programs (tools/setup-wine32.sh), a guest address space that
# ends just below 2 GiB, where a 32-bit Windows program's own space ends, makes each 32-bit
# start take 1 s instead of 50 s: without it 32-bit Wine reserves the upper half in 64 KiB
# steps, each slow in qemu. The 64-bit bed needs it too, as making a prefix runs 32-bit
# helpers once wine32 is installed. Only qemu-i386 reads it.
export QEMU_RESERVED_VA=${QEMU_RESERVED_VA:-0x7fff0000}

if [ $bits = 32 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "winebed: 32-bit Wine does not run on this machine (tools/setup-wine32.sh sets it up)" >&2
  exit 1
fi

xvfb_pid=
cleanup() {
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ "${KEEP_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  display=99
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  [ -e "/tmp/.X11-unix/X$display" ] || { echo "winebed: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$display"
fi

# The prefix is made once; the stamp names what it was made with, so a change here remakes it.
stamp="$WINEPREFIX/.quendrel-stamp"
wanted="$(sha256sum "$here/winebed-prefix.sh" | cut -c1-16) $(/usr/lib/wine/wine64 --version)"
[ $bits = 64 ] || wanted="$wanted, 32-bit $(/usr/lib/wine/wine --version)"
if [ "$(cat "$stamp" 2>/dev/null)" != "$wanted" ]; then
  echo "winebed: making the Wine prefix $WINEPREFIX (once)"
  rm -rf "$WINEPREFIX"
  bash "$here/winebed-prefix.sh" >"$build_dir/wineprefix.log" 2>&1 \
    || { cat "$build_dir/wineprefix.log" >&2; exit 1; }
  if [ $bits = 32 ] && [ ! -e "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "winebed: the prefix $WINEPREFIX has no 32-bit side (syswow64)" >&2
    exit 1
  fi
  echo "$wanted" >"$stamp"
fi

"$WINESERVER" -p
# Start the prefix's background services now, with their output going nowhere.
/usr/lib/wine/wine64 cmd /c exit >/dev/null 2>&1 </dev/null || true

"$@"
