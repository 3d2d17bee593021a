#!/usr/bin/env bash
# End to end: the real quillane-light on a virtual X display, an image named on the command
# line, the screen grabbed and the listing's pixels checked (tests/e2e/check_listing.py).
# Usage: window_e2e.sh <quillane-light> <folder of this script> [screenshot to keep]
# Exits 77 (skipped) when there is no xvfb-run.
set -euo pipefail
program=$1
here=$2
keep=${3:-}

for tool in xvfb-run xwininfo xwd convert; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_image.py" "$work/e2e.d64"

cat > "$work/inside.sh" << 'INSIDE'
#!/usr/bin/env bash
# Runs on the virtual display: start the window, wait until it is mapped, grab until the
# listing checks out or time runs out.
set -u
program=$1 image=$2 here=$3 work=$4 glyphs=$5
export QT_QPA_PLATFORM=xcb
# The display may take a moment to answer after xvfb-run has started it.
for _ in $(seq 100); do
  xwininfo -root > /dev/null 2>&1 && break
  sleep 0.1
done
"$program" "$image" > "$work/program.log" 2>&1 &
pid=$!
trap 'kill $pid 2> /dev/null; wait $pid 2> /dev/null' EXIT
for _ in $(seq 100); do
  xwininfo -root -tree 2> /dev/null | grep -q '"Quillane_Light"' && break
  sleep 0.1
done
status=1
for _ in $(seq 30); do
  if ! kill -0 $pid 2> /dev/null; then
    echo "quillane-light ended early:"; cat "$work/program.log"; exit 1
  fi
  xwd -root -silent > "$work/shot.xwd" && convert "$work/shot.xwd" "$work/shot.ppm" &&
    python3 "$here/check_listing.py" "$work/shot.ppm" "$glyphs" > "$work/check.log" && { status=0; break; }
  sleep 0.2
done
cat "$work/check.log"
exit $status
INSIDE
chmod +x "$work/inside.sh"

status=0
xvfb-run -a -s "-screen 0 1024x768x24" "$work/inside.sh" "$program" "$work/e2e.d64" "$here" "$work" \
  "$here/../../display/fonts/upper.glyphs" ||
  status=$?
if [[ -n "$keep" && -f "$work/shot.ppm" ]]; then convert "$work/shot.ppm" "$keep"; fi
[[ $status -eq 0 ]] && echo "listing checked on the virtual display"
exit $status
