#!/usr/bin/env bash
# Runs one 32-bit Windows program with Wine's 32-bit loader in the test bed's prefix (see
# winebed.sh --32); otherwise as wine-run.sh.
QUENDREL_WINE=/usr/lib/wine/wine exec "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$@"
