#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual X display, in the Wine prefix given (made on
# first use and kept, see wine_prefix.sh).
# Usage: under_xvfb.sh <prefix> <program.exe> [arguments...]. Exits 77 (skipped) without Xvfb.
set -euo pipefail
command -v xvfb-run > /dev/null || { echo "SKIP: no xvfb-run"; exit 77; }
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
shift
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
# At the designed resolution: the pixel checks share this prefix and leave theirs in it.
. "$(dirname "$0")/wine_prefix.sh" 96
exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
