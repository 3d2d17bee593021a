#!/usr/bin/env bash
# make run: the demo disk in the window, or in the terminal when there is no display.
set -euo pipefail
bin=$1
demo=$2
if [[ -x "$bin/quillane-light" && -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$bin/quillane-light" "$demo"
fi
if [[ -x "$bin/quillane-dir" && -f "$demo" ]]; then
  "$bin/quillane-dir" "$demo"
else
  echo "The lister is not built yet." >&2
  exit 1
fi
if [[ -x "$bin/quillane-light" ]]; then
  echo
  echo "No display here, so this is the listing in the terminal. For the window, run 'make run'"
  echo "in a desktop session, or under a virtual display: xvfb-run -a $bin/quillane-light $demo"
fi
