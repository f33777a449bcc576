#!/usr/bin/env bash
# Compiles the Windows-only sources with Debian's mingw-w64 cross compilers,
# 64-bit and 32-bit, so a Windows build cannot rot unseen on this Linux tree.
# The Windows parts that need no Qt live in files named *_win.cpp anywhere
# under src/; a new one is picked up without touching this script. The
# converter simulator is compiled too: its exports must match the function
# types the program calls the vendor library through on each target.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$here"

mapfile -t sources < <(find src -name '*_win.cpp' | sort)
# The simulator's parts, less the Linux-only udev message tool.
mapfile -t -O "${#sources[@]}" sources < <(find simulator -maxdepth 1 -name '*.cpp' ! -name uevent.cpp | sort)

flags=(-std=c++20 -Wall -Wextra -Wpedantic -Werror -fsyntax-only -Isrc)
failed=0
for triplet in x86_64-w64-mingw32 i686-w64-mingw32; do
  # The posix flavour: the simulator uses std::thread and std::mutex.
  cxx="${triplet}-g++-posix"
  command -v "$cxx" >/dev/null || cxx="${triplet}-g++"
  for src in "${sources[@]}"; do
    if grep -qE '^#include <Q' "$src"; then
      echo "cross-check: $src includes Qt; keep Windows-only files Qt-free" >&2
      failed=1
      continue
    fi
    if "$cxx" "${flags[@]}" "$src"; then
      echo "cross-check: $triplet $src ok"
    else
      echo "cross-check: $triplet $src FAILED" >&2
      failed=1
    fi
  done
done
exit "$failed"
