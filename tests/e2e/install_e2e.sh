#!/usr/bin/env bash
# The installed layout: `cmake --install` into a scratch folder, the programs and the fonts in
# one folder with links on the PATH, the desktop files in share/; then the window started
# through its link, which must still find the fonts beside the real executable.
# Usage: install_e2e.sh <build folder> <folder of this script>
set -euo pipefail
build=$1
here=$2

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr > "$dest/install.log"

failed=0
lib=$dest/usr/lib/quillane-light
share=$dest/usr/share
for file in "$lib/quillane-light" "$lib/Vexa-Upper.fon" "$lib/Vexa-Lower.fon" \
  "$share/applications/quillane-light.desktop" "$share/mime/packages/quillane-light.xml" \
  "$share/icons/hicolor/32x32/apps/quillane-light.png"; do
  [[ -f "$file" ]] || { echo "not installed: ${file#"$dest"}"; failed=1; }
done
programs=(quillane-light)
[[ -x "$build/bin/quillane-dir" ]] && programs+=(quillane-dir)
for program in "${programs[@]}"; do
  link=$dest/usr/bin/$program
  if [[ ! -L "$link" || "$(readlink -f "$link")" != "$(readlink -f "$lib/$program")" ]]; then
    echo "usr/bin/$program is not a link to lib/quillane-light/$program"
    failed=1
  fi
done
[[ $failed -eq 0 ]] || exit 1

exec "$here/window_e2e.sh" "$dest/usr/bin/quillane-light" "$here"
