#!/usr/bin/env bash
# End to end: the real quillane-light on a virtual X display, the demo disk named on its command
# line, the screen grabbed until check_listing.py accepts the listing's pixels or time runs out.
# Usage: window_pixels_e2e.sh <quillane-light> <folder of this script> [screenshot to keep]
# Exits 77 (skipped) when a tool is missing.
set -euo pipefail
command -v xvfb-run > /dev/null && command -v import > /dev/null || { echo "SKIP: no xvfb-run or import"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export program=$1 here=$2 work
export image=$here/../../samples/demo.d64 glyphs=$here/../../display/fonts/upper.glyphs

cat > "$work/inside.sh" << 'INSIDE'
QT_QPA_PLATFORM=xcb "$program" "$image" > "$work/program.log" 2>&1 &
pid=$!
trap 'kill $pid 2> /dev/null; wait $pid 2> /dev/null' EXIT
for _ in $(seq 60); do
  sleep 0.2
  kill -0 $pid 2> /dev/null || { echo "ended early:"; cat "$work/program.log"; exit 1; }
  import -window root -depth 8 "$work/shot.ppm" 2> /dev/null &&
    /usr/bin/python3 "$here/check_listing.py" "$work/shot.ppm" "$glyphs" > "$work/check.log" &&
    exit 0
done
cat "$work/check.log"
exit 1
INSIDE

status=0
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/inside.sh" || status=$?
[[ -n "${3:-}" && -f "$work/shot.ppm" ]] && convert "$work/shot.ppm" "$3"
exit $status
