#!/usr/bin/env bash
# End to end under Wine on a virtual X display: quillane-light.exe with an image named on its
# command line, beside the two font files it registers itself; a screenshot's listing cells must
# equal, pixel for pixel, the picture renderer's drawing of the same rows (no focus frame, so the
# check looks at the cells only) at the cell size of the resolution.
# Usage: window_pixels_wine.sh <quillane-light.exe> <reference.png> <image.d64> <dpi> [shot.png]
# The reference is made by quillane-dir --png ... --scale 1 (96 dpi) or --scale 2 (120 dpi).
# Exits 77 (skipped) when a tool is missing.
set -euo pipefail
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
[[ -x $wine ]] && command -v xvfb-run > /dev/null && command -v xwd > /dev/null &&
  command -v convert > /dev/null || { echo "SKIP: no wine64, xvfb-run, xwd or convert"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export exe=$1 reference=$2 image=$3 dpi=$4 work wine
# A prefix made once and kept (QL_WINEPREFIX) saves Wine's first start on later runs.
export WINEPREFIX=${QL_WINEPREFIX:-$work/prefix} WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all

cat > "$work/inside.sh" << 'INSIDE'
set -eu

cp "$image" "$work/image.d64"
(cd "$(dirname "$exe")" && "$wine" "$exe" "$work/image.d64") > "$work/program.log" 2>&1 &
for _ in $(seq 60); do
  sleep 0.5
  xwd -root -silent | convert xwd:- "png:$work/shot.png"
  /usr/bin/python3 "$work/find_listing.py" "$work/shot.png" "$reference" > "$work/check.log" 2>&1 && exit 0
done
cat "$work/check.log"
exit 1
INSIDE
cp "$(dirname "$0")/find_listing.py" "$work/"
. "$(dirname "$0")/wine_prefix.sh" "$dpi"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/inside.sh" || status=$?
"${wine%64}server" -k 2> /dev/null || true
[[ -n "${5:-}" && -f "$work/shot.png" ]] && cp "$work/shot.png" "$5"
exit $status
