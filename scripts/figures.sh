#!/usr/bin/env bash
# Figures behind the robustness claims; long, so not part of the test command.
#   scripts/figures.sh fuzz [runs]    every libFuzzer target in tests/fuzz for
#                                     <runs> executions each (default 10 million),
#                                     one process per core (LUMIDOR_FUZZ_WORKERS)
#   scripts/figures.sh crash [kills]  kills a child at random moments while it
#                                     stores settings / saves a preset file,
#                                     <kills> times each (default 100)
#   scripts/figures.sh unplug         the converter unplugged at each step of a
#                                     transfer against the simulator
#   scripts/figures.sh all
# Run it niced on a shared machine:  nice -n 19 scripts/figures.sh all
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$here"
work="${LUMIDOR_FIGURES_DIR:-/tmp/lumidor-figures}"
mkdir -p "$work"

fuzz() {
  local runs="${1:-10000000}"
  # One process per core, sharing the corpus folder (each picks up the
  # others' finds when it rereads it); the counts are summed.
  local workers="${LUMIDOR_FUZZ_WORKERS:-$(nproc)}"
  build_fuzz >/dev/null
  for t in "${fuzz_targets[@]}"; do
    local seeds="tests/fuzz/corpus/${t%_fuzz}" corpus="$work/$t-corpus"
    mkdir -p "$corpus"
    [ -d "$seeds" ] || seeds=""
    local dict=()
    [ -f "tests/fuzz/${t%_fuzz}.dict" ] && dict=(-dict="tests/fuzz/${t%_fuzz}.dict")
    local start=$SECONDS status=0 pids=() w
    for w in $(seq 1 "$workers"); do
      # Findings (crash-*, leak-*, timeout-*) land in the work folder.
      ASAN_OPTIONS="$asan_options" /usr/bin/time -f "%U %S" -o "$work/$t.$w.cpu" \
        "build-fuzz/tests/fuzz/$t" -runs=$((runs / workers)) -max_len=4096 -seed="$w" \
        -print_final_stats=1 "${dict[@]}" -artifact_prefix="$work/$t-" "$corpus" $seeds \
        >"$work/$t.$w.log" 2>&1 &
      pids+=($!)
    done
    for w in "${pids[@]}"; do wait "$w" || status=$?; done
    local secs=$((SECONDS - start))
    local execs rss cpu
    execs="$(cat "$work/$t".*.log | sed -n 's/^stat::number_of_executed_units: *//p' |
      awk '{n += $1} END {print n + 0}')"
    rss="$(cat "$work/$t".*.log | sed -n 's/^stat::peak_rss_mb: *//p' |
      awk '$1 > m {m = $1} END {print m + 0}')"
    cpu="$(cat "$work/$t".*.cpu | awk '{s += $1 + $2} END {printf "%d", s}')"
    local found
    found="$(find "$work" -maxdepth 1 -name "$t-*" -type f | wc -l)"
    echo "fuzz $t: $execs executions in $secs s by $workers processes" \
         "($((execs / (secs > 0 ? secs : 1)))/s; $cpu s of CPU, $((execs / (cpu > 0 ? cpu : 1)))/s per core)," \
         "peak RSS $rss MB, exit $status, findings $found, corpus $(find "$corpus" -type f | wc -l) inputs"
  done
}

crash() {
  local kills="${1:-100}"
  configure build
  cmake --build build -j"$(nproc)" --target lumidor_faults >/dev/null
  local helper=build/tests/lumidor_faults
  for kind in settings presetfile; do
    local file="$work/crash-$kind" bad=0 seen=0
    rm -f "$file" "$file".*
    # Start from a complete A.
    "$helper" store "$file" "$kind" a & local pid=$!
    while [ ! -e "$file.running" ]; do sleep 0.01; done
    kill -9 "$pid"; wait "$pid" 2>/dev/null || true
    for i in $(seq 1 "$kills"); do
      local which=a; [ $((i % 2)) = 1 ] && which=b
      rm -f "$file.running"
      "$helper" store "$file" "$kind" "$which" & pid=$!
      while [ ! -e "$file.running" ] && kill -0 "$pid" 2>/dev/null; do sleep 0.001; done
      # A random moment within 20 ms of storing over and over.
      sleep "0.0$(printf '%02d' $((RANDOM % 20)))"
      kill -9 "$pid"; wait "$pid" 2>/dev/null || true
      seen=$((seen + 1))
      if ! "$helper" check "$file" "$kind"; then
        bad=$((bad + 1))
        cp "$file" "$work/crash-$kind-bad-$i"
      fi
    done
    # Temporary files of saves killed after writing them but before they took
    # the file's place; the next save removes those older than a minute.
    local left tidied
    left="$(leftovers "$file")"
    find "$work" -maxdepth 1 -type f -name "$(basename "$file").??????" -exec touch -d '-2 min' {} +
    "$helper" once "$file" "$kind" a
    "$helper" check "$file" "$kind" || bad=$((bad + 1))
    tidied="$(leftovers "$file")"
    echo "crash $kind: $seen kills, $bad files neither the complete old nor the complete new one," \
         "$left temporary files left beside it, $tidied after the next save"
  done
}

leftovers() {
  find "$(dirname "$1")" -maxdepth 1 -type f -regextype posix-extended \
    -regex ".*/$(basename "$1")\.[A-Za-z]{6}" | wc -l
}

unplug() {
  configure build
  cmake --build build -j"$(nproc)" --target lumidor_faults lumidor_simulator >/dev/null
  use_simulator
  # The simulator counts calls after the variable is set: 1 open, 2 and 3 the
  # two writes, 4 the read, 5 the close.
  for after in 0 1 2 3; do
    build/tests/lumidor_faults unplug "$after" ||
      echo "unplug after $after calls: FAILED (no message, or settings stored)"
  done
  # Gone only at the close, after the whole answer was read: the transfer
  # worked, so its success is shown and the settings are stored.
  build/tests/lumidor_faults unplug 4 |
    tee "$work/unplug-4.log"
  grep -q "settings file WRITTEN" "$work/unplug-4.log" ||
    echo "unplug after 4 calls: FAILED (a transfer that worked was not stored)"
}

case "${1:-all}" in
  fuzz) fuzz "${2:-}" ;;
  crash) crash "${2:-}" ;;
  unplug) unplug ;;
  all) unplug; crash; fuzz ;;
  *) echo "usage: $0 fuzz [runs] | crash [kills] | unplug | all" >&2; exit 2 ;;
esac
