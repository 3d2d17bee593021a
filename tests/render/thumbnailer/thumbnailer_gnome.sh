#!/usr/bin/env bash
# A file manager's view of a .d64: GNOME's thumbnail factory runs the installed thumbnailer
# entry inside its bubblewrap sandbox, which sees /usr but neither /tmp nor the build tree, so
# the programs are installed under /usr/local for the run and everything new there is removed
# afterwards. Skipped (77) without root or without the GNOME thumbnail factory.
# Usage: thumbnailer_gnome.sh <build folder> <folder of this script> <image>
set -euo pipefail
skip() { echo "SKIP: $*"; exit 77; }
[[ $(id -u) -eq 0 ]] || skip "installing under /usr/local needs root"
{ command -v bwrap && command -v update-mime-database && /usr/bin/python3 -c 'import gi
gi.require_version("GnomeDesktop", "3.0")'; } &> /dev/null || skip "bwrap, shared-mime-info or gi missing"
prefix=/usr/local
exec 9> /tmp/quillane-light-thumbnailer-test.lock && flock 9  # one run at a time on this machine
[[ ! -e $prefix/lib/quillane-light && ! -e $prefix/bin/quillane-dir ]] ||
  skip "$prefix already holds an installation"

work=$(mktemp -d)
find $prefix -xdev | sort > "$work/before"
# Everything new under the prefix, deepest first: rmdir takes the folders, rm the rest.
trap 'comm -13 "$work/before" <(find $prefix -xdev | sort) | sort -r |
  while read -r path; do rmdir "$path" 2> /dev/null || rm -f "$path"; done; rm -rf "$work"' EXIT
cmake --install "$1" --prefix $prefix > "$work/install.log"

data=$work/data
mkdir -p "$data/thumbnailers" "$data/mime/packages"
cp $prefix/share/thumbnailers/quillane-light.thumbnailer "$data/thumbnailers/"
cp $prefix/share/mime/packages/quillane-light.xml "$data/mime/packages/"
update-mime-database "$data/mime" 2> /dev/null
# /usr/share for the GSettings schemas that GIO needs.
XDG_DATA_DIRS=$data:/usr/share XDG_CACHE_HOME=$work/cache \
  /usr/bin/python3 "$2/thumbnail_client.py" gnome "$(realpath "$3")" "$work/thumbnail.png"
