#!/bin/bash
# The soak run: the staged game, started from a scratch copy of the stage
# under its own Xvfb, driven with xdotool for a given time through the
# menu, every shipped track in turn, the result screen and its name
# field, level restarts and the "scores" screen. Every minute it samples
# the game's resident memory, open files and live GL textures into a CSV;
# at the end it lists the trace log's error lines and the memory's start,
# peak and end.
#
#   bench/soak/soak.sh [MINUTES] [BUILD]      (default 30 minutes, ./build)
#
# Environment: SOAK_OUT (folder for the CSV, the log copy and the driver's
# notes; default a new /tmp/vantrail-soak-*), SOAK_SAMPLE_S (seconds
# between samples, default 60), SOAK_STEP_MS (real milliseconds per
# recorded physics step when the game's steps cannot be counted, default
# 2, the game's designed pace).
#
# The tracks are ridden with the recorded keys of tests/tracks/rides, paced
# by the steps the game takes (soakprobe.c counts them). The rides replay
# exactly only on the tests' injected clock; in real time the game's
# frames and steps take other turns and a ride may fall short. A ride ends
# where the rider falls (the level loads again); a track that was not
# finished is then restarted once (Q), ridden a little and left with Esc.
set -u

minutes=${1:-30}
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${2:-$repo/build}" && pwd)

# Under an X server of our own: the game's window must be the only one.
if [ -z "${SOAK_INNER:-}" ]; then
  exec env SOAK_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$minutes" "$build"
fi

out=${SOAK_OUT:-$(mktemp -d /tmp/vantrail-soak-XXXXXX)}
mkdir -p "$out"
sample_s=${SOAK_SAMPLE_S:-60}
step_ms=${SOAK_STEP_MS:-2}
rides=$repo/tests/tracks/rides
scratch=$(mktemp -d /tmp/vantrail-soak-stage-XXXXXX)
cp -r "$build/stage/." "$scratch"
cc -O2 -shared -fPIC -o "$out/soakprobe.so" "$here/soakprobe.c" -ldl || exit 1
log=$scratch/vantrail.log
csv=$out/memory.csv
notes=$out/driver.log
: >"$notes"

note() { echo "$(date -u +%H:%M:%S) $*" >>"$notes"; }
# What the driver is doing, for the samples: "menu", "ride NAME", "scores".
state() { echo "$*" >"$out/state"; }

# The tracks in play order: their script files as the game names them.
mapfile -t tracks < <(sed -n 's/.*filename="\([^"]*\)".*/\1/p' "$scratch/tracklist.xml")

# --- the game ---------------------------------------------------------------

start_game() {
  (cd "$scratch" && SOAK_GL_TEXTURES=$out/gltextures SOAK_STEPS=$out/steps LD_PRELOAD=$out/soakprobe.so \
    exec ./vantrail) &
  pid=$!
  echo "$pid" >"$out/pid"
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name . >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 1
  note "game started, pid $pid"
}

running() { kill -0 "$pid" 2>/dev/null; }

# --- input, as the end-to-end tests give it -------------------------------

# A click held long enough for the game's poll to see it.
click() {
  xdotool mousemove "$1" "$2"
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

# Esc is read from the key state on the result screen and in the dialog.
hold_escape() {
  xdotool keydown Escape
  sleep 0.3
  xdotool keyup Escape
}

# Places on the 800 x 600 window: the menu's buttons at x 572, the track
# dialog's rows from y 92, 14 pixels apart, its "start" at the bottom right.
menu_x=572 play_y=146 scores_y=221 row0_y=92 row_h=14 start_x=662 start_y=517

shot() { import -window root "$out/$1.png" 2>/dev/null; }
menu_area() { convert "$out/$1.png" -crop 380x120+380+410 +repage "$out/$1-area.png" 2>/dev/null; }

# True when the screen shows the main menu (its window as at the start).
at_menu() {
  shot now && menu_area now || return 1
  local differ
  differ=$(compare -metric AE -fuzz 5% "$out/menu-area.png" "$out/now-area.png" null: 2>&1)
  [ "${differ%%.*}" -lt 100 ] 2>/dev/null
}

# Back to the menu from wherever the driver lost its way: Esc until the
# menu shows (Esc in the menu itself would end the game, so look first).
to_menu() {
  for _ in 1 2 3 4; do
    at_menu && return 0
    hold_escape
    sleep 1.5
  done
  at_menu
}

count() { awk -v pattern="$1" '$0 ~ pattern { n++ } END { print n + 0 }' "$2" 2>/dev/null || echo 0; }
loads() { count '^Loading the level' "$log"; }
# Every finish keeps a score (the tables are far from full in a soak).
scores() { count '<score' "$scratch/highscores.xml"; }

wait_for_loads() {
  for _ in $(seq 50); do
    [ "$(loads)" -gt "$1" ] && return 0
    sleep 0.2
  done
  return 1
}

# The physics steps the game has taken so far, as the preloaded probe
# counts them.
steps_taken() {
  local n=0
  read -r n <"$out/steps" 2>/dev/null
  [[ $n =~ ^[0-9]+$ ]] && echo $((10#$n)) || echo 0
}

# Waits until the game has taken `count` steps since `base`. False when the
# level loaded again since the ride began with `loaded` loads (the rider
# fell and the level restarted), or when the game stopped stepping for a
# few seconds. Without the probe's count, waits on the wall clock.
wait_for_steps() {
  local base=$1 count=$2 loaded=$3 taken last=-1 still=0 polls=0
  if [ ! -s "$out/steps" ]; then
    sleep "$(awk -v s="$count" -v ms="$step_ms" 'BEGIN { printf "%.3f", s * ms / 1000 }')"
    return 0
  fi
  while :; do
    taken=$(($(steps_taken) - base))
    [ "$taken" -ge "$count" ] && return 0
    if [ "$taken" -eq "$last" ]; then
      still=$((still + 1))
      [ $still -ge 300 ] && return 1
    else
      still=0
      last=$taken
    fi
    polls=$((polls + 1))
    if [ $((polls % 25)) -eq 0 ] && [ "$(loads)" -gt "$loaded" ]; then
      note "the level restarted after $taken steps"
      return 1
    fi
    sleep 0.01
  done
}

# Plays a recorded ride at the game's pace: held throttle or brake, one
# lean or turn press as a run begins, each run for its number of steps.
replay() {
  local held="" steps keys want base loaded at=0
  base=$(steps_taken)
  loaded=$(loads)
  while read -r steps keys _; do
    [[ $steps =~ ^[0-9]+$ ]] || continue
    want=""
    case ${keys:0:1} in U) want=Up ;; D) want=Down ;; esac
    if [ "$want" != "$held" ]; then
      [ -n "$held" ] && xdotool keyup "$held"
      [ -n "$want" ] && xdotool keydown "$want"
      held=$want
    fi
    case ${keys:1:1} in '<') xdotool key Left ;; '>') xdotool key Right ;; T) xdotool key space ;; esac
    at=$((at + steps))
    wait_for_steps "$base" "$at" "$loaded" || break
  done <"$1"
  [ -n "$held" ] && xdotool keyup "$held"
}

# The level waits for a key, then the ride. A finished ride shows the result
# screen: a name and Enter keep the score, and the next track loads (after
# the last one, the menu). True when the ride finished.
ride() {
  local track=$1 before keys
  keys=$rides/$(basename "${track//\\//}" .lua).keys
  state "ride $track"
  before=$(scores)
  xdotool mousemove 20 580
  xdotool key Return
  sleep 0.5
  [ -f "$keys" ] && replay "$keys"
  sleep 2
  xdotool type --delay 60 soak
  xdotool key Return
  sleep 2
  if [ "$(scores)" -gt "$before" ]; then
    note "finished $track"
    return 0
  fi
  note "no finish on $track"
  return 1
}

# Restarts the unfinished level, rides a few seconds on the throttle, and
# leaves for the menu.
restart_and_leave() {
  xdotool key q
  sleep 1.5
  xdotool key Return
  xdotool keydown Up
  sleep 3
  xdotool keyup Up
  xdotool key Escape
  sleep 1.5
}

# From the menu: "play", the track's row, "start". True once it loads.
open_track() {
  local index=$1 before
  before=$(loads)
  click $menu_x $play_y
  sleep 1.5
  click 200 $((row0_y + index * row_h))
  sleep 0.5
  click $start_x $start_y
  wait_for_loads "$before" && return 0
  note "track $index did not load"
  return 1
}

visit_scores() {
  state scores
  click $menu_x $scores_y
  sleep 3
  xdotool key space
  sleep 1.5
  note "scores shown"
}

# --- the samples -------------------------------------------------------------

sample() {
  local p status rss hwm size fds threads textures
  p=$(cat "$out/pid")
  status=/proc/$p/status
  rss=$(awk '/^VmRSS/ {print $2}' "$status" 2>/dev/null)
  hwm=$(awk '/^VmHWM/ {print $2}' "$status" 2>/dev/null)
  size=$(awk '/^VmSize/ {print $2}' "$status" 2>/dev/null)
  threads=$(awk '/^Threads/ {print $2}' "$status" 2>/dev/null)
  fds=$(ls "/proc/$p/fd" 2>/dev/null | wc -l)
  textures=$(cat "$out/gltextures" 2>/dev/null)
  echo "$(date -u +%FT%TZ),$(($(date +%s) - began)),$p,${rss:-},${hwm:-},${size:-},$fds,${threads:-},${textures:-},$(loads),$(scores),$(cat "$out/state")" >>"$csv"
}

sampler() {
  while :; do
    sample
    sleep "$sample_s"
  done
}

# --- the run -------------------------------------------------------------------

# However the run ends, the game and the sampler go and the scratch stage
# is removed (its trace log copied out first).
pid='' sampler_pid=''
clean_up() {
  [ -n "$sampler_pid" ] && kill "$sampler_pid" 2>/dev/null
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -f "$log" ] && cp "$log" "$out/vantrail.log"
  rm -rf "$scratch"
}
trap clean_up EXIT

began=$(date +%s)
deadline=$((began + minutes * 60))
echo "time,elapsed_s,pid,vmrss_kb,vmhwm_kb,vmsize_kb,open_files,threads,gl_textures,level_loads,finishes,doing" >"$csv"
state menu
start_game
shot menu && menu_area menu
sampler &
sampler_pid=$!
restarts=0

round=0
while [ "$(date +%s)" -lt "$deadline" ]; do
  round=$((round + 1))
  note "round $round"
  # Each round begins in the menu: samples there compare like with like.
  if to_menu; then
    state menu
    sample
  fi
  i=0
  while [ $i -lt ${#tracks[@]} ] && [ "$(date +%s)" -lt "$deadline" ]; do
    if ! running; then
      wait "$pid"
      note "the game ended by itself (code $?): starting it again"
      restarts=$((restarts + 1))
      start_game
    fi
    to_menu || note "the menu did not show"
    open_track $i || { i=$((i + 1)); continue; }
    # Finished tracks lead straight on to the next one of the list.
    while ride "${tracks[$i]}"; do
      i=$((i + 1))
      if [ $i -ge ${#tracks[@]} ] || [ "$(date +%s)" -ge "$deadline" ]; then break; fi
    done
    [ $i -lt ${#tracks[@]} ] && ! at_menu && restart_and_leave
    i=$((i + 1))
    [ $((i % 4)) -eq 0 ] && to_menu && visit_scores
  done
done

sample
kill "$sampler_pid" 2>/dev/null
sampler_pid=
to_menu && xdotool key Escape
for _ in $(seq 50); do running || break; sleep 0.2; done
if running; then
  note "the game did not end from the menu"
  kill "$pid"
  exit_code=killed
else
  wait "$pid"
  exit_code=$?
fi
pid=
clean_up

# --- the report --------------------------------------------------------------

awk -F, -v restarts=$restarts -v code="$exit_code" 'NR == 2 { first = $4; ffds = $7; ftex = $9 }
  NR > 1 && $4 != "" { if ($4 > peak) { peak = $4; at = $2 } last = $4; lfds = $7; ltex = $9
                       if ($7 > pfds) pfds = $7 }
  NR > 1 { loads = $10; finishes = $11 }
  END {
    printf "resident memory: start %d kB, peak %d kB (at %d s), end %d kB\n", first, peak, at, last
    printf "open files: start %d, peak %d, end %d\n", ffds, pfds, lfds
    printf "GL textures: start %s, end %s\n", ftex, ltex
    printf "level loads %d, finishes %d, game restarts %d, exit code %s\n", loads, finishes, restarts, code
  }' "$csv"
echo "error lines in the trace log:"
grep -inE 'error|fail|cannot|could not|unable|crash|refus|bad' "$out/vantrail.log" | sort | uniq -c | sort -rn | head -20
echo "(none above means none)"
echo "samples: $csv; driver notes: $notes"
