#!/usr/bin/env bash
# Installs, with apt-get only, whatever this machine still lacks to build and test Quendrel.
# Idempotent: a machine that has everything is left alone and the script stays quiet.
set -euo pipefail

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  cmake ninja-build make g++ pkg-config
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest libbenchmark-dev libjpeg62-turbo-dev clang libclang-rt-14-dev
  wine64 xvfb xauth xdotool x11-utils imagemagick
  fonts-wqy-microhei fonts-wqy-zenhei
  dpkg-dev locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done

# Source packages for the cross-built JPEG decoder come from a deb-src list of our own;
# the system's lists stay as they are.
deb_src_list=/etc/apt/sources.list.d/quendrel-deb-src.sources
need_update=0
if [ ! -f "$deb_src_list" ]; then
  as_root tee "$deb_src_list" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  echo "setup: installing ${missing[*]:-(source lists)}"
  as_root apt-get update -qq
  [ ${#missing[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# libjpeg-turbo for the Windows builds and the fuzzer: Debian's source package, unpacked once
# into build/third_party/libjpeg-turbo (outside git); the project's build compiles it.
jpeg_source="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/third_party/libjpeg-turbo"
if [ ! -f "$jpeg_source/CMakeLists.txt" ]; then
  echo "setup: fetching Debian's libjpeg-turbo source package"
  download=$(mktemp -d)
  fetch() { (cd "$download" && apt-get source -qq -o APT::Sandbox::User=root libjpeg-turbo >/dev/null); }
  fetch || { as_root apt-get update -qq && fetch; }
  mkdir -p "$(dirname "$jpeg_source")"
  rm -rf "$jpeg_source"
  mv "$download"/libjpeg-turbo-*/ "$jpeg_source"
  rm -rf "$download"
fi

# Wine takes the Windows code page from the locale: zh_CN.UTF-8 gives ANSI code page 936.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
bash "$(dirname "${BASH_SOURCE[0]}")/setup-wine32.sh" || true  # 32-bit Wine, or test-win32 fails
