#!/usr/bin/env bash
# What starting the configurator costs next to a bare Qt window of the same
# size: both are started under one virtual X server and end at the first
# activation of their window.
#
#   scripts/measure-startup.sh [build dir]
#
# Instructions are counted by callgrind (steadier than time on a shared
# machine); peak memory is the resident high-water mark of a plain run; CPU
# time is the median of five plain runs. The configurator is the start-up
# probe (bench/startup_probe.cpp: the program's main, ended at activation)
# with the converter simulator as its device and a settings file, so no
# message box waits. The bare window is built here from the source below.
# Two more runs of the bare window give floors: with one label, and with as
# many plain controls of each kind as the configurator's window shows.
# Targets: at most 1.25x the instructions of the plain controls and 1.3x the
# peak memory of the bare window; the exit status is 1 when one is missed.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
build="$(realpath "${1:-$here/build}")"

if [ "${LUMIDOR_STARTUP_INSIDE:-0}" != 1 ]; then
  for tool in valgrind xvfb-run cmake; do
    command -v "$tool" >/dev/null || { echo "$tool missing" >&2; exit 1; }
  done
  cmake --build "$build" --target startup_probe lumidor_simulator >/dev/null

  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/bare" "$work/settings"
  # The bare window is built here, apart from the project, so it links Qt
  # and nothing of ours.
  cat >"$work/bare/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(BareWindow LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(bare_window $here/bench/bare_window.cpp)
target_include_directories(bare_window PRIVATE $here/bench $here/src)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
CMAKE
  cmake -S "$work/bare" -B "$work/bare/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >/dev/null
  cmake --build "$work/bare/build" >/dev/null

  # A settings file with both sections: nothing to announce at activation.
  printf '[Presets]\r\nChB1=1\r\nTimeAxe=1\r\nOnOff=2\r\nPWM=0\r\nPWM_Min=0\r\nPWM_Max=100\r\n\r\n[Configuration]\r\nProgram=0\r\n' \
    >"$work/settings/rc_lumidor_konfigurator_hw_v40.ini"

  LUMIDOR_STARTUP_INSIDE=1 LUMIDOR_STARTUP_WORK="$work" \
    LD_LIBRARY_PATH="$(simulator_dir "$build")${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
    "${xvfb[@]}" "$0" "$build"
  exit $?
fi

# ---- Inside the virtual X server ----
work="$LUMIDOR_STARTUP_WORK"
probe=("$build/bench/startup_probe" "$work/settings")

instructions() { # out name, command...
  local name="$1"; shift
  valgrind --tool=callgrind --callgrind-out-file="$work/$name.callgrind" "$@" \
    >"$work/$name.vg.out" 2>"$work/$name.vg.err"
  # The program's own process: Qt forks a short-lived helper, alike in both.
  local pid
  pid="$(sed -n '1s/^==\([0-9]*\)==.*/\1/p' "$work/$name.vg.err")"
  sed -n "s/^==$pid== Collected : \([0-9]*\).*/\1/p" "$work/$name.vg.err"
}

# Five plain runs: the median CPU time in ms, and the last run's output.
plain() { # out name, command...
  local name="$1"; shift
  local cpu=() me="$BASHPID"  # the runs are this shell's children
  for _ in 1 2 3 4 5; do
    local t0 t1
    t0="$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$me/stat)"
    "$@" >"$work/$name.out" 2>/dev/null
    t1="$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$me/stat)"
    cpu+=("$((t1 - t0))")
  done
  local hz
  hz="$(getconf CLK_TCK)"
  printf '%s\n' "${cpu[@]}" | sort -n | sed -n 3p | awk -v hz="$hz" '{ print 1000 * $1 / hz }'
}

probe_cpu="$(plain probe "${probe[@]}")"
size="$(sed -n 's/^size //p' "$work/probe.out")"
width="${size%x*}"
height="${size#*x}"
bare=("$work/bare/build/bare_window" "$width" "$height")
bare_cpu="$(plain bare "${bare[@]}")"
# The same window with one line of text: the floor any window with text
# starts from (the font configuration and the first glyphs).
labelled=("${bare[@]}" "Výstup 1")
# And with as many plain controls of each kind as the configurator shows:
# what Qt takes to build and paint such a window, with no program behind it.
controls=("${bare[@]}" --controls)
probe_peak="$(sed -n 's/^peak //p' "$work/probe.out")"
bare_peak="$(sed -n 's/^peak //p' "$work/bare.out")"
probe_ins="$(instructions probe "${probe[@]}")"
bare_ins="$(instructions bare "${bare[@]}")"
label_ins="$(instructions label "${labelled[@]}")"
controls_ins="$(instructions controls "${controls[@]}")"
"${controls[@]}" >"$work/controls.out" 2>/dev/null
controls_peak="$(sed -n 's/^peak //p' "$work/controls.out")"

awk -v size="$size" -v pi="$probe_ins" -v bi="$bare_ins" -v pp="$probe_peak" -v bp="$bare_peak" \
  -v pc="$probe_cpu" -v bc="$bare_cpu" -v li="$label_ins" -v ci="$controls_ins" -v cp="$controls_peak" 'BEGIN {
    ri = pi / bi; rp = pp / bp; rc = pi / ci
    printf "window %s, started and ended at first activation\n", size
    printf "%-14s %16s %16s %8s\n", "", "configurator", "bare window", "ratio"
    printf "%-14s %14.1f M %14.1f M %7.2fx\n", "instructions", pi / 1e6, bi / 1e6, ri
    printf "%-14s %12.1f MiB %12.1f MiB %7.2fx (target 1.3x)\n", "peak memory", pp / 1024, bp / 1024, rp
    printf "%-14s %33.1f M %7.2fx (the bare window with one label, informative)\n", "one label", li / 1e6, li / bi
    printf "%-14s %33.1f M %7.2fx (with the same plain controls)\n", "plain controls", ci / 1e6, ci / bi
    printf "%-14s %31.1f MiB %7.2fx (their peak memory, informative)\n", "", cp / 1024, cp / bp
    printf "%-30s %34.2fx (target 1.25x)\n", "instructions / plain controls", rc
    printf "%-14s %13.0f ms %13.0f ms %7.2fx (median of 5, informative)\n", "CPU time", pc, bc, (bc > 0 ? pc / bc : 0)
    exit (rc <= 1.25 && rp <= 1.3) ? 0 : 1
  }'
