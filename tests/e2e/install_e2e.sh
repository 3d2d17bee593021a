#!/usr/bin/env bash
# The installed layout: `cmake --install` into a scratch folder puts the programs and the fonts
# in one folder with links on the PATH and the desktop files in share/; then the window started
# through its link must still find the fonts beside the real executable.
# Usage: install_e2e.sh <build folder> <folder of this script>
set -euo pipefail
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$1" --prefix /usr > "$dest/install.log"

lib=$dest/usr/lib/quillane-light share=$dest/usr/share failed=0
for file in "$lib/quillane-light" "$lib/Vexa-Upper.fon" "$lib/Vexa-Lower.fon" \
  "$share/applications/quillane-light.desktop" "$share/mime/packages/quillane-light.xml" \
  "$share/icons/hicolor/32x32/apps/quillane-light.png"; do
  [[ -f "$file" ]] || { echo "not installed: ${file#"$dest"}"; failed=1; }
done
for program in quillane-light $([[ -x "$1/bin/quillane-dir" ]] && echo quillane-dir); do
  [[ "$(readlink -f "$dest/usr/bin/$program")" == "$(readlink -f "$lib/$program")" ]] ||
    { echo "usr/bin/$program is not a link to lib/quillane-light/$program"; failed=1; }
done
[[ $failed -eq 0 ]] || exit 1
exec "$2/window_e2e.sh" "$dest/usr/bin/quillane-light" "$2"
