#!/usr/bin/env bash
# clang-tidy over every source file under src/ with the checks of .clang-tidy;
# any finding fails. Needs a configured and built folder (its
# compile_commands.json and the generated moc files):
#   scripts/tidy.sh [build-dir]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$here"
dir="${1:-build}"
start=$SECONDS
# run-clang-tidy picks the files from the compilation database by this pattern.
run-clang-tidy -quiet -p "$dir" -j "$(nproc)" "^$here/src/.*\.cpp\$" >"$dir/tidy.log" 2>&1 || true
if grep -qE '(warning|error): ' "$dir/tidy.log"; then
  grep -E -A3 '(warning|error): ' "$dir/tidy.log" >&2
  echo "tidy: findings above ($((SECONDS - start)) s)" >&2
  exit 1
fi
echo "tidy: src/ clean ($((SECONDS - start)) s)"
