#!/usr/bin/env bash
# Sets up what is missing, builds the game and starts it from its staged folder.
# Usage: tools/play.sh [level-script]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/tools/setup.sh" "$build"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
if [ ! -x "$build/stage/vantrail" ]; then
  echo "Built the libraries and tests; the game executable does not exist yet."
  exit 0
fi
cd "$build/stage"
exec ./vantrail "$@"
