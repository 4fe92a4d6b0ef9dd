#!/usr/bin/env bash
# Contact sheet of the tracks, for looking at them together: for each track
# of tracklist.xml four moments of its recorded ride (tests/tracks/rides/):
# the start, a third and two thirds along, and the last steps before the
# keys end, played headless by the build's trackrider under Xvfb. Needs a built tree (cmake --build build) and ImageMagick.
# Usage: tools/art/tracksheet.sh [build-dir] [sheet.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
sheet=${2:-$build/art/tracks.png}
rider=$build/tools/art/trackrider
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
mkdir -p "$(dirname "$sheet")"

labelled=()
while IFS=$'\t' read -r name file; do
  base=$(basename "${file//\\//}" .lua)
  keys=$root/tests/tracks/rides/$base.keys
  later=()
  if [ -f "$keys" ]; then
    total=$(awk '!/^#/ && !/^finish/ && NF { total += $1 } END { print total }' "$keys")
    later=(--shot $((total / 3)) "$shots/$base-b.png" --shot $((total * 2 / 3)) "$shots/$base-c.png"
           --shot $((total - 300)) "$shots/$base-d.png")
  else
    keys=$shots/none.keys
    : > "$keys"
  fi
  (cd "$shots" && xvfb-run -a -s "-screen 0 1024x768x24" "$rider" "$file" "$keys" --every 1000000 \
    --shot 60 "$shots/$base-a.png" "${later[@]}" >/dev/null) || true
  for part in a b c d; do
    [ -f "$shots/$base-$part.png" ] && labelled+=(-label "$name" "$shots/$base-$part.png")
  done
done < <(sed -n 's/.*name="\([^"]*\)" filename="\([^"]*\)".*/\1\t\2/p' "$root/tracklist.xml")

montage -font DejaVu-Sans -pointsize 14 "${labelled[@]}" -tile 4x -geometry 400x300+6+6 \
  -background '#7f7f7f' "$sheet"
echo "wrote $sheet"
