#!/usr/bin/env bash
# The Windows zip, unpacked into a folder with spaces and non-ASCII letters in its name: the
# files are all there and the program lists the demo disk from there, under Wine, as the Linux
# quillane-dir lists it (skipped when the zip has not been made: make windows-package).
# Usage: package_test.sh ZIP WINE_RUN DEMO_IMAGE WORK_DIR LINUX_QUILLANE_DIR
set -euo pipefail
zip=$1 wine_run=$2 demo=$3 work=$4 linux=$5
[[ -f "$zip" ]] || { echo "no $zip: skipped"; exit 77; }
folder="$work/Programme für Ämter 磁盘"
rm -rf "$work" && mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
top="$folder/$(basename "$zip" .zip)"
for f in quillane-dir.exe Vexa-Upper.fon Vexa-Lower.fon README.txt copyright.txt \
         stb_image_write.txt; do
  [[ -s "$top/$f" ]] || { echo "missing from the zip: $f"; exit 1; }
done
cp "$demo" "$top/demo.d64"
cd "$top"
"$wine_run" ./quillane-dir.exe --color never demo.d64 > listing.txt
grep -q 'DEMO DISK' listing.txt || { echo "no listing:"; cat listing.txt; exit 1; }
if [[ -x "$linux" ]]; then
  "$linux" --color never demo.d64 | cmp - listing.txt
fi
echo "listed from $top"
