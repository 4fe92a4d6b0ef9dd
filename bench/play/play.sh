#!/bin/bash
# What the game costs in play: each track is started from the command line in
# a scratch copy of the stage, under an X server of its own, play begins with
# a key, and with the bike left standing the game's processor time (all its
# threads, from /proc) and its physics steps (counted by the soak run's probe)
# are read over a fixed span. Each track is measured REPEAT times; the table
# gives the medians: cores in use and steps a second (500 is the designed
# pace).
#
#   bench/play/play.sh [BUILD] [TRACK...]    (default ./build, every track)
#
# TRACK is a script name as the track list gives it ('levels\training.lua')
# or its bare name (training). Environment: PLAY_SECONDS (the span, default
# 10), PLAY_SETTLE_S (seconds of play before it, default 2), PLAY_REPEAT
# (default 3). A track whose level loaded again during the span (the rider
# fell) is marked "restarted"; a run in which the game ended on its own
# shows as "-", is left out of the medians, and its trace log is kept.
set -u

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
shift $(($# > 0 ? 1 : 0))

if [ -z "${PLAY_INNER:-}" ]; then
  exec env PLAY_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$@"
fi

seconds=${PLAY_SECONDS:-10}
settle=${PLAY_SETTLE_S:-2}
repeat=${PLAY_REPEAT:-3}
work=$(mktemp -d /tmp/vantrail-play-XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -r "$build/stage/." "$work/stage"
cc -O2 -shared -fPIC -o "$work/probe.so" "$repo/bench/soak/soakprobe.c" -ldl || exit 1
ticks_per_s=$(getconf CLK_TCK)

tracks=("$@")
if [ ${#tracks[@]} -eq 0 ]; then
  mapfile -t tracks < <(sed -n 's/.*filename="\([^"]*\)".*/\1/p' "$work/stage/tracklist.xml")
fi

# utime + stime of the process, all threads, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
steps_taken() {
  local n=0
  read -r n <"$work/steps" 2>/dev/null
  [[ $n =~ ^[0-9]+$ ]] && echo $((10#$n)) || echo 0
}
loads() {
  local n
  n=$(grep -c '^Loading the level' "$work/stage/vantrail.log" 2>/dev/null)
  echo "${n:-0}"
}
keep_log() {
  local kept
  kept=$(mktemp /tmp/vantrail-play-log-XXXXXX)
  cp "$work/stage/vantrail.log" "$kept" 2>/dev/null
  echo "$kept"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One measurement of a track: prints "cores steps_a_second restarted(0/1)".
measure() {
  local script=$1 pid c0 c1 s0 s1 l0
  rm -f "$work/steps"
  (cd "$work/stage" && SOAK_STEPS=$work/steps LD_PRELOAD=$work/probe.so exec ./vantrail "$script" >/dev/null 2>&1) &
  pid=$!
  for _ in $(seq 100); do
    [ "$(loads)" -gt 0 ] && xdotool search --onlyvisible --name . >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 1
  xdotool key Return
  sleep "$settle"
  l0=$(loads)
  c0=$(cpu_ticks $pid) s0=$(steps_taken)
  sleep "$seconds"
  c1=$(cpu_ticks $pid) s1=$(steps_taken)
  if ! kill "$pid" 2>/dev/null; then
    # The game ended on its own: no figures, and its log is kept.
    wait "$pid"
    echo "game ended with status $? on $script; log: $(keep_log)" >&2
    echo "- - 0"
    return
  fi
  wait "$pid" 2>/dev/null
  awk -v c=$((c1 - c0)) -v s=$((s1 - s0)) -v t="$ticks_per_s" -v span="$seconds" -v r=$(($(loads) > l0)) \
    'BEGIN { printf "%.3f %.0f %d\n", c / t / span, s / span, r }'
}

echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| track | cores in play | steps a second | runs |"
echo "|---|---:|---:|---|"
for track in "${tracks[@]}"; do
  case $track in *.lua) script=$track ;; *) script="levels\\$track.lua" ;; esac
  : >"$work/runs"
  for _ in $(seq "$repeat"); do measure "$script" >>"$work/runs"; done
  cores=$(grep -v '^-' "$work/runs" | cut -d' ' -f1 | median)
  steps=$(grep -v '^-' "$work/runs" | cut -d' ' -f2 | median)
  restarted=$(awk '$3 == 1 { n++ } END { print n + 0 }' "$work/runs")
  runs=$(cut -d' ' -f1,2 "$work/runs" | tr '\n' ';' | sed 's/;$//')
  [ "$restarted" -gt 0 ] && runs="$runs ($restarted restarted)"
  echo "| $script | $cores | $steps | $runs |"
done
echo
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
