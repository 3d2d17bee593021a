#!/usr/bin/env bash
# The real program under Wine on a virtual X display, looked at from outside by desktop_probe.exe:
# a 40-track image without a recognised extended BAM, named on the command line, raises the
# layout question over the main window, with its texts in place and its pixels on the screen;
# Cancel leaves the main window; Alt+Space, Up, Enter opens "Info".
# Usage: desktop_wine.sh <quillane-light.exe> <desktop_probe.exe> [shot.png]
# Exits 77 (skipped) when a tool is missing.
set -euo pipefail
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
[[ -x $wine ]] && command -v xvfb-run > /dev/null && command -v import > /dev/null ||
  { echo "SKIP: no wine64, xvfb-run or import"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export exe=$1 probe=$2 work wine
export WINEPREFIX=${QL_WINEPREFIX:-$work/prefix} WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
# 768 sectors of zeros: no signature and no plausible extended BAM in any of the three layouts.
head -c 196608 /dev/zero > "$work/forty.d64"
cp "$(dirname "$0")/check_dialog.py" "$work/"
. "$(dirname "$0")/wine_prefix.sh" 96

cat > "$work/inside.sh" << 'INSIDE'
set -eu
cd "$(dirname "$exe")"

"$wine" "$exe" "$work/forty.d64" > /dev/null 2>&1 &
program=$!
"$wine" "$probe" layout "$work/forty.d64" > "$work/places.txt"
sleep 0.5
# The screen as one picture of the root window, as it shows. Not xwd: it puts its picture
# together window by window, by colormap, and leaves a Wine window that lies wholly inside
# another black.
import -screen -window root "$work/shot.png"
/usr/bin/python3 "$work/check_dialog.py" "$work/shot.png" "$work/places.txt"
"$wine" "$probe" cancel
"$wine" "$probe" close
wait $program

"$wine" "$exe" > /dev/null 2>&1 &
program=$!
"$wine" "$probe" about
"$wine" "$probe" close
wait $program
INSIDE
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/inside.sh" || status=$?
"${wine%64}server" -k 2> /dev/null || true
[[ -n "${3:-}" && -f "$work/shot.png" ]] && cp "$work/shot.png" "$3"
exit $status
