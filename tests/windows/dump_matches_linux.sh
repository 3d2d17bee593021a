#!/usr/bin/env bash
# quillane-dir.exe under Wine and the Linux quillane-dir give the same --dump rows, prompts,
# messages and exit statuses, over the real disk images (when present), the committed fuzz
# seeds and images made here to be hostile: cut short, empty, too long, a folder, a missing
# file. Both programs are given the same relative paths, from a folder of copies.
# Usage: dump_matches_linux.sh LINUX_QUILLANE_DIR WINDOWS_EXE WINE_RUN SOURCE_DIR WORK_DIR [CORPUS]
set -euo pipefail
[[ -x "$1" ]] || { echo "no Linux quillane-dir at $1: skipped"; exit 77; }
linux=$(realpath "$1") exe=$(realpath "$2") wine_run=$(realpath "$3") source=$(realpath "$4")
work=$5 corpus=${6:-${QL_CORPUS_DIR:-}}
rm -rf "$work" && mkdir -p "$work/images/folder.d64"
cd "$work/images"
demo="$source/samples/demo.d64"
cp "$demo" demo.d64
cp "$demo" "Δίσκος 磁盘 ディスク.d64"
head -c 100000 "$demo" > cut-in-track-11.d64
head -c 91393 "$demo" > cut-inside-the-bam.d64
: > empty.d64
{ cat "$demo"; head -c 300 /dev/zero; } > too-long.d64
for seed in "$source"/tests/fuzz/corpus/*; do cp "$seed" "seed-$(basename "$seed").d64"; done
if [[ -n "$corpus" && -d "$corpus" ]]; then
  i=0
  for image in "$corpus"/*.[dD]64; do cp "$image" "corpus-$((i += 1)).d64"; done
fi
mapfile -t images < <(ls -1 -- *.d64 | sort)
runs=("--dump" "--dump --layout speeddos --crosslinks list" "--dump --layout dolphindos --crosslinks abort"
      "--dump --layout prologicdos --charset lower" "--dump missing.d64" "--dump folder.d64"
      "--dump empty.d64" "--dump --layout nonsense demo.d64" "--json" "--dump Δίσκος 磁盘 ディスク.d64")
failed=0
for i in "${!runs[@]}"; do
  if [[ "${runs[$i]}" == *Δ* ]]; then args=(--dump "Δίσκος 磁盘 ディスク.d64"); else
    read -r -a args <<< "${runs[$i]}"; fi
  # Runs with images of their own list those; the others every image.
  if [[ "${runs[$i]}" == *.d64* ]]; then set -- "${args[@]}"; else set -- "${args[@]}" "${images[@]}"; fi
  status_l=0 status_w=0
  "$linux" "$@" > "../l$i.out" 2> "../l$i.err" < /dev/null || status_l=$?
  "$wine_run" "$exe" "$@" > "../w$i.out" 2> "../w$i.err" < /dev/null || status_w=$?
  sed -i 's/quillane-dir\.exe/quillane-dir/g' "../w$i.err"
  if [[ $status_l != "$status_w" ]] || ! cmp -s "../l$i.out" "../w$i.out" ||
     ! cmp -s "../l$i.err" "../w$i.err"; then
    echo "differs: quillane-dir ${runs[$i]} (status $status_l / $status_w)"
    diff "../l$i.out" "../w$i.out" | head -5 || true
    diff "../l$i.err" "../w$i.err" | head -5 || true
    failed=1
  fi
done
# The same picture, byte for byte, from the same encoder (the Linux one is decoded by the PNG
# tests); by a path in other scripts.
"$linux" --png ../l.png demo.d64 && "$wine_run" "$exe" --png "../w Δίσκος.png" "Δίσκος 磁盘 ディスク.d64"
cmp ../l.png "../w Δίσκος.png" || { echo "the pictures differ"; failed=1; }
grep -q $'^0\t' ../l0.out || { echo "no rows listed"; failed=1; }
echo "${#runs[@]} runs over ${#images[@]} images"
exit $failed
