#!/usr/bin/env bash
# Plugs the simulated converter in or pulls it out while the configurator runs:
#   sim-plug.sh plug ["description|serial"]   default "RC_LINKUP v1.3|LU000001"
#   sim-plug.sh unplug
# It rewrites the simulator's device list (the file LUMIDOR_SIM_STATE names,
# /tmp/lumidor-sim-state unless set; the program must run with the same
# setting, as `lumidor.sh run` does) and then sends the message udev
# broadcasts after a real plug, so the program's watcher reacts. Run as root.
# LUMIDOR_BUILD_DIR names the build folder (default build/).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
state="${LUMIDOR_SIM_STATE:-/tmp/lumidor-sim-state}"
tool="${LUMIDOR_BUILD_DIR:-$here/build}/simulator/lumidor_uevent"

if [ ! -x "$tool" ]; then
  echo "$tool is missing; build first (bash scripts/lumidor.sh run, or cmake --build build)" >&2
  exit 1
fi

case "${1:-}" in
  plug)
    device="${2:-RC_LINKUP v1.3|LU000001}"
    model="${device%%|*}"
    printf '%s\n' "$device" > "$state.new" && mv "$state.new" "$state"
    exec "$tool" add "ID_MODEL=${model// /_}"
    ;;
  unplug)
    : > "$state.new" && mv "$state.new" "$state"
    exec "$tool" remove
    ;;
  *)
    echo "usage: $0 plug [\"description|serial\"] | unplug" >&2
    exit 2
    ;;
esac
