#!/usr/bin/env bash
# Runs the full-disk test of a Windows test program on a small file system that holds the
# game's file and is otherwise full. Needs to mount a tmpfs (root); says so and reports the
# test as skipped (exit 77) where the machine does not allow it.
#
#   tools/full-disk.sh TEST_PROGRAM.exe
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mount_point=$(mktemp -d)
if ! mount -t tmpfs -o size=256k tmpfs "$mount_point" 2>/dev/null; then
  echo "FULL-DISK TEST NOT RUN: this machine does not allow mounting a tmpfs (needs root)."
  rmdir "$mount_point"
  exit 77
fi
trap 'umount "$mount_point"; rmdir "$mount_point"' EXIT

printf 'the player'"'"'s own file\r\n' >"$mount_point/dirserver.xml"
# Fill every remaining block.
dd if=/dev/zero of="$mount_point/filler" bs=4k 2>/dev/null
sync

QUENDREL_FULL_DISK="Z:${mount_point//\//\\}" GTEST_FILTER='FullDisk.*' "$here/wine-run.sh" "$1"
