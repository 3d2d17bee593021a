#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual X display, in the Wine prefix given (made on
# first use and kept), with Wine drawing the title bars itself since no window manager runs.
# Usage: under_xvfb.sh <prefix> <program.exe> [arguments...]. Exits 77 (skipped) without Xvfb.
set -euo pipefail
command -v xvfb-run > /dev/null || { echo "SKIP: no xvfb-run"; exit 77; }
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
shift
mkdir -p "$(dirname "$WINEPREFIX")"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  flock "$WINEPREFIX.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i && wineserver -w; }' \
    > /dev/null 2>&1
fi
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f > /dev/null 2>&1
# The designed resolution: the pixel checks share this prefix and leave theirs in it.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f > /dev/null 2>&1
# The Wine processes started without a display end first: the program's own must find the X
# display, not a desktop already made without one.
wineserver -w
exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
