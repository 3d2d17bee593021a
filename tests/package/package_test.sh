#!/usr/bin/env bash
# The Debian package: made with cpack into a scratch folder, unpacked with dpkg-deb, both
# programs run from the unpacked tree, and lintian finds no error in it.
# Usage: package_test.sh <build folder> <demo image>
# Exits 77 (skipped) when a tool is missing.
set -euo pipefail
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$1/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/quillane-light_*.deb)
dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr failed=0
for file in lib/quillane-light/Vexa-Upper.fon lib/quillane-light/Vexa-Lower.fon \
  share/applications/quillane-light.desktop share/mime/packages/quillane-light.xml \
  share/icons/hicolor/32x32/apps/quillane-light.png share/doc/quillane-light/copyright \
  share/doc/quillane-light/changelog.gz share/thumbnailers/quillane-light.thumbnailer; do
  [[ -f "$usr/$file" ]] || { echo "not in the package: /usr/$file"; failed=1; }
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no library dependencies"; failed=1; }

"$usr/bin/quillane-dir" --color never "$2" > "$work/listing.txt"
tail -n 1 "$work/listing.txt" | grep -qx '[0-9]* BLOCKS FREE\.' || { echo "quillane-dir:"; cat "$work/listing.txt"; failed=1; }
"$usr/bin/quillane-dir" --png "$work/thumb.png" --png-size 128 -- "$2"
# A PNG whose header gives a width of 128 pixels: the listing is wider than high.
[[ "$(od -An -tx1 -j12 -N8 "$work/thumb.png" | tr -d ' \n')" == 4948445200000080 ]] ||
  { echo "no 128-pixel PNG from quillane-dir --png"; failed=1; }

# The window: on a virtual display it must come up with its title; without one it must at
# least start offscreen and keep running.
if command -v xvfb-run > /dev/null && command -v xwininfo > /dev/null; then
  cat > "$work/inside.sh" << 'INSIDE'
"$1" "$2" > /dev/null 2>&1 &
pid=$!
for _ in $(seq 50); do
  sleep 0.2
  xwininfo -root -tree | grep -q '"Quillane_Light"' && { kill $pid; exit 0; }
done
kill $pid 2> /dev/null
exit 1
INSIDE
  QT_QPA_PLATFORM=xcb xvfb-run -a bash "$work/inside.sh" "$usr/bin/quillane-light" "$2" ||
    { echo "quillane-light showed no window"; failed=1; }
else
  status=0
  QT_QPA_PLATFORM=offscreen timeout 3 "$usr/bin/quillane-light" "$2" > /dev/null 2>&1 || status=$?
  [[ $status -eq 124 ]] || { echo "quillane-light ended with $status"; failed=1; }
fi

lintian "$deb" > "$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
! grep -q '^E:' "$work/lintian.txt" || failed=1
exit $failed
