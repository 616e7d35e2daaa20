#!/usr/bin/env bash
# Makes 32-bit Wine usable, for the tests of the shipped 32-bit build: Debian's wine32:i386
# beside wine64 and, where the kernel cannot run 32-bit programs itself, qemu's i386 user-mode
# emulator registered with binfmt_misc. apt-get only; idempotent and quiet when nothing is to do.
# Exits non-zero, after one line saying why, when this machine cannot run 32-bit Wine.
set -euo pipefail

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
say() { echo "setup-wine32: $*"; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }
loader=/usr/lib/wine/wine
loader_runs() { "$loader" --version >/dev/null 2>&1; }

# Installs packages, but only if apt's plan removes nothing that is installed.
apt_install() {
  local plan
  plan=$(as_root apt-get install -s -y --no-install-recommends "$@")
  if grep -q '^Remv ' <<<"$plan"; then
    say "installing $* would remove $(sed -n 's/^Remv \([^ ]*\).*/\1/p' <<<"$plan" | tr '\n' ' ')- not done"
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  say "adding the i386 architecture"
  as_root dpkg --add-architecture i386
  as_root apt-get update -qq
fi

# Besides the loader, the X extensions that the 64-bit side has through the machine's other
# packages, so that 32-bit windows are drawn and fed input the same way.
packages=(wine32:i386 libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386
          libxfixes3:i386 libxinerama1:i386 libxcomposite1:i386 libxxf86vm1:i386)
missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  say "installing ${missing[*]}"
  # Without i386 package lists (a machine that had the architecture but no update since),
  # apt knows no wine32:i386.
  apt-cache show wine32:i386 >/dev/null 2>&1 || as_root apt-get update -qq
  apt_install "${missing[@]}"
fi

loader_runs && exit 0

# The kernel does not run 32-bit programs: let qemu run them, through binfmt_misc.
qemu=/usr/bin/qemu-i386-static
if ! installed qemu-user-static; then
  say "installing qemu-user-static, to run 32-bit programs"
  apt_install qemu-user-static
fi

binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
  as_root mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null || true
fi
if [ ! -e "$binfmt/register" ]; then
  say "this machine runs no 32-bit programs and allows no binfmt_misc for qemu: 32-bit Wine cannot run here" >&2
  exit 1
fi

# i386 ELF executables and shared objects; F opens the emulator now, so it works in any mount namespace.
entry=qemu-i386
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
if [ -e "$binfmt/$entry" ]; then
  # Registered, yet the loader does not run: registered otherwise than here, so renew it.
  echo -1 | as_root tee "$binfmt/$entry" >/dev/null
fi
say "registering $qemu for i386 programs with binfmt_misc"
printf ':%s:M::%s:%s:%s:F' "$entry" "$magic" "$mask" "$qemu" | as_root tee "$binfmt/register" >/dev/null \
  || { say "binfmt_misc refused the registration for qemu-i386: 32-bit Wine cannot run here" >&2; exit 1; }

if ! loader_runs; then
  say "$loader does not run, even through qemu: 32-bit Wine cannot run here" >&2
  exit 1
fi
