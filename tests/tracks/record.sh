#!/usr/bin/env bash
# Rides tracks with their recorded keys and writes each finished ride's step
# and score into its keys file (tests/tracks/rides/NAME.keys), for the track
# test to compare. Needs a built tree (cmake --build build) and Xvfb.
# Usage: tests/tracks/record.sh [build-dir] [name]...   (no name: every track)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
shift || true
names=("$@")
[ ${#names[@]} -gt 0 ] || names=($(cd "$root/tests/tracks/rides" && ls *.keys | sed 's/\.keys$//'))
cd "$build/tools/art"
for name in "${names[@]}"; do
  echo "$name: $(xvfb-run -a ./trackrider "levels\\$name.lua" "$root/tests/tracks/rides/$name.keys" \
    --every 1000000000 --record | tr '\n' ' ')"
done
