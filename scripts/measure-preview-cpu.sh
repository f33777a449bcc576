#!/usr/bin/env bash
# Measures what the running configurator costs while its live preview plays a
# busy pattern (every LED changes on every column, 25 ms per column, loop
# shading of outputs 1 and 2) under a virtual X server.
#
#   scripts/measure-preview-cpu.sh [executable] [measure seconds] [settle seconds]
#
# LUMIDOR_MODEL_WINDOW=open or closed runs build/bench/modelwindow_probe
# instead: the same program, with the model preview window opened as its
# button does (or never opened), to compare what the window costs.
#
# Prints the CPU share (of one core) of the program and of the X server over
# the measured interval. A settings file already beside the executable is put
# back afterwards.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
model_window="${LUMIDOR_MODEL_WINDOW:-}"
if [ -n "$model_window" ]; then
  exe="$(realpath "${1:-$here/build/bench/modelwindow_probe}")"
else
  exe="$(realpath "${1:-$here/build/src/rc_lumidor_konfigurator}")"
fi
measure="${2:-10}"
settle="${3:-3}"
mode="${LUMIDOR_PWM_MODE:-2}"
# busy: every LED changes on every column; steady: no LED ever changes (only
# the column indicator moves), the floor a running preview costs.
pattern="${LUMIDOR_PATTERN:-busy}"
simdir="${LUMIDOR_SIMULATOR_DIR:-$(simulator_dir)}"

[ -x "$exe" ] || { echo "no executable: $exe" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run missing" >&2; exit 1; }

ini="$(dirname "$exe")/rc_lumidor_konfigurator_hw_v40.ini"
backup=""
if [ -e "$ini" ]; then
  backup="$(mktemp)"
  cp -p "$ini" "$backup"
fi

runner=""
cleanup() {
  if [ -n "$runner" ] && kill -0 "$runner" 2>/dev/null; then
    kill -TERM -- "-$runner" 2>/dev/null || true
    wait "$runner" 2>/dev/null || true
  fi
  if [ -n "$backup" ]; then
    mv -f "$backup" "$ini"
  else
    rm -f "$ini"
  fi
}
trap cleanup EXIT

# Busy: output o in column c is lit when o + c is even, so each step flips
# all eight. Steady: the odd outputs are lit in every column.
lit() { # output, column
  if [ "$pattern" = steady ]; then
    echo $(($1 % 2))
  else
    echo $((($1 + $2 + 1) % 2))
  fi
}
{
  printf '[Presets]\r\n'
  for section in 0 1; do
    for c in $(seq 1 20); do
      for k in 1 2 3 4; do
        o=$((k + 4 * section))
        n=$((100 * section + 4 * (c - 1) + k))
        printf 'ChB%d=%d\r\n' "$n" "$(lit "$o" "$c")"
      done
    done
  done
  printf 'TimeAxe=0\r\nOnOff=2\r\nPWM=%d\r\nPWM_Min=0\r\nPWM_Max=100\r\n' "$mode"
} >"$ini"

# utime + stime in clock ticks; the command name may hold spaces, so cut
# everything up to its closing parenthesis first.
ticks() {
  local rest
  rest="$(sed 's/^.*) //' "/proc/$1/stat")"
  awk '{ print $12 + $13 }' <<<"$rest"
}

# Run time in nanoseconds summed over the process's threads: the clock ticks
# above come in 10 ms grains, too coarse for a share below 1%.
runtime_ns() {
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%.0f\n", sum }'
}

child_of() { # parent pid, command name
  local pid
  for pid in $(pgrep -P "$1"); do
    # The kernel cuts the name to 15 characters.
    if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "${2:0:15}" ]; then
      echo "$pid"
      return 0
    fi
  done
  return 1
}

# A session of its own, so the cleanup can end exactly this run.
setsid env LD_LIBRARY_PATH="$simdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
  "${xvfb[@]}" "$exe" ${model_window:+"$model_window"} >/dev/null 2>&1 &
runner=$!

prog=""
xserver=""
for _ in $(seq 1 100); do
  prog="$(child_of "$runner" "$(basename "$exe")" || true)"
  xserver="$(child_of "$runner" Xvfb || true)"
  [ -n "$prog" ] && [ -n "$xserver" ] && break
  sleep 0.1
done
[ -n "$prog" ] || { echo "the program did not start" >&2; exit 1; }

sleep "$settle"
kill -0 "$prog" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }

hz="$(getconf CLK_TCK)"
p0="$(ticks "$prog")"
x0="$(ticks "$xserver")"
pn0="$(runtime_ns "$prog")"
xn0="$(runtime_ns "$xserver")"
t0="$(date +%s.%N)"
sleep "$measure"
p1="$(ticks "$prog")"
x1="$(ticks "$xserver")"
pn1="$(runtime_ns "$prog")"
xn1="$(runtime_ns "$xserver")"
t1="$(date +%s.%N)"

awk -v p="$((p1 - p0))" -v x="$((x1 - x0))" -v hz="$hz" -v t0="$t0" -v t1="$t1" \
  -v pn="$((pn1 - pn0))" -v xn="$((xn1 - xn0))" -v mode="$mode" -v pattern="$pattern" \
  -v window="${model_window:+, model window $model_window}" 'BEGIN {
    wall = t1 - t0
    printf "brightness mode %d, 25 ms per column, %s pattern, %.1f s measured%s\n", mode, pattern, wall, window
    printf "program: %.2f%% of one core (utime+stime %d ticks = %.2f%%)\n",
           100 * pn / 1e9 / wall, p, 100 * p / hz / wall
    printf "Xvfb:    %.2f%% of one core (utime+stime %d ticks = %.2f%%)\n",
           100 * xn / 1e9 / wall, x, 100 * x / hz / wall
  }'
