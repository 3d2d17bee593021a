#!/usr/bin/env bash
# End to end: the real quillane-light on a virtual X display, named on its command line a
# 40-track image whose extended BAM no layout recognises. The layout question must open over the
# main window, which the window manager has then already mapped; each window must carry exactly
# its caption, and the question's title bar may offer no minimise or maximise button.
# Usage: window_e2e.sh <quillane-light> <folder of this script> [screenshot to keep]
# Exits 77 (skipped) when a tool is missing.
set -euo pipefail
for t in xvfb-run xwininfo xprop openbox; do
  command -v "$t" > /dev/null || { echo "SKIP: $t is not installed"; exit 77; }; done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
truncate -s 196608 "$work/forty.d64"
export program=$1 work shot=${3:-}

cat > "$work/inside.sh" << 'INSIDE'
openbox > /dev/null 2>&1 &
sleep 1
QT_QPA_PLATFORM=xcb "$program" "$work/forty.d64" > "$work/program.log" 2>&1 &
pid=$!
trap 'kill $pid 2> /dev/null; wait $pid 2> /dev/null' EXIT
mapped() {  # the id of the mapped window whose name is $1
  for id in $(xwininfo -root -tree | grep -F "\"$1\": (" | awk '{print $1}'); do
    xwininfo -id "$id" | grep -q IsViewable && echo "$id"
  done
}
for _ in $(seq 75); do
  sleep 0.2
  prompt=$(mapped "Extended BAM could not be detected...")
  [[ -n $prompt ]] && break
done
[[ -n $prompt ]] || { echo "no layout question:"; cat "$work/program.log"; exit 1; }
main=$(mapped Quillane_Light)
[[ -n $main ]] || { echo "the layout question opened before the main window was mapped"; exit 1; }
[[ -n $shot ]] && command -v import > /dev/null && import -window root "$shot"
for window in "$prompt=Extended BAM could not be detected..." "$main=Quillane_Light"; do
  name=$(xprop -id "${window%%=*}" _NET_WM_NAME)
  [[ $name == "_NET_WM_NAME(UTF8_STRING) = \"${window#*=}\"" ]] || { echo "caption: $name"; exit 1; }
done
# _MOTIF_WM_HINTS: flags, functions (all 0x1, minimise 0x8, maximise 0x10), decorations (all 0x1,
# minimise 0x20, maximise 0x40).
read -r _ _ _ functions decorations _ <<< "$(xprop -id "$prompt" _MOTIF_WM_HINTS | tr -d ,)"
((functions & 0x19 || decorations & 0x61)) && { echo "the question offers minimise or maximise"; exit 1; }
exit 0
INSIDE

xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/inside.sh"
