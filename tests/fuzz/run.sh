#!/usr/bin/env bash
# Runs one fuzz target of a VANTRAIL_FUZZ build for a while, from its
# committed seeds, and says how many inputs it tried. A crash, a hang of
# over a second or a sanitizer report ends the run with an error; the input
# is kept in BUILD/fuzz-artifacts/TARGET/.
#
# Usage: tests/fuzz/run.sh BUILD TARGET SECONDS [CORPUS] [libFuzzer options...]
#   TARGET is tracklist, highscores, scene or levelscript. New inputs go to
#   CORPUS (kept between runs; default: a scratch folder that is removed).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
target=$2
seconds=$3
shift 3
corpus=
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  mkdir -p "$1"
  corpus=$(cd "$1" && pwd)
  shift
fi
scratch=
if [ -z "$corpus" ]; then
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  corpus=$scratch
fi
cp -n "$here/$target"/* "$corpus"/
artifacts=$build/fuzz-artifacts/$target
mkdir -p "$artifacts"

dict=$here/xml.dict
runner=()
if [ "$target" = levelscript ]; then
  dict=$here/levelscript.dict
  runner=(xvfb-run -a -s "-screen 0 1024x768x24")
  # X and the GL driver keep allocations of their own to the end of the
  # process: no leak checks here (the suite checks level reloads for leaks).
  export ASAN_OPTIONS=detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}
  set -- -detect_leaks=0 "$@"
fi

log=$artifacts/run.$$.log
status=0
start=$(date +%s)
"${runner[@]}" "$build/tests/fuzz/fuzz_$target" "$corpus" -dict="$dict" -timeout=1 \
  -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/" "$@" \
  >"$log" 2>&1 || status=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
took=$(($(date +%s) - start))
echo "fuzz $target: ${runs:-?} inputs in ${took:-?} s, corpus $(ls "$corpus" | wc -l) files"
if [ $status -ne 0 ]; then
  tail -n 60 "$log"
  echo "fuzz $target failed: see $log and the input in $artifacts"
  exit $status
fi
rm "$log"
