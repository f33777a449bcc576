#!/usr/bin/env bash
# The Windows dependency prefix: Qt 6.4.2 qtbase (Core, Gui, Widgets, Test; the
# windows and minimal platform plugins, the Windows styles), libjpeg-turbo and
# GoogleTest, built for 64-bit Windows with Debian's mingw-w64 posix compilers
# from Debian's own source packages.
#   scripts/win64-deps.sh PREFIX
# A prebuilt archive with the checksum pinned below, in ../shared/toolchains/
# (or $LUMIDOR_WIN64_DEPS_ARCHIVE), is unpacked instead of building for an
# hour. A prefix already made from the same archive or recipe is kept.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="${1:?usage: win64-deps.sh PREFIX}"
archive="${LUMIDOR_WIN64_DEPS_ARCHIVE:-$here/../shared/toolchains/win64-deps-qt6.4.2.tar.xz}"
# What the recipe below produced when the archive was made.
pinned=d14e61e9b9a1ac77f134963d4108b3c72142eb0aed1741b2792fe6fc4945ad08
recipe_sum="$(sha256sum "$here/scripts/win64-deps-build.sh" | cut -d' ' -f1)"
stamp="$prefix/.lumidor-deps"

if [ -f "$stamp" ] && grep -qx -e "$pinned" -e "recipe $recipe_sum" "$stamp"; then
  exit 0
fi

if [ -f "$archive" ] && [ "$(sha256sum "$archive" | cut -d' ' -f1)" = "$pinned" ]; then
  rm -rf "$prefix" && mkdir -p "$prefix"
  if tar -C "$prefix" -xJf "$archive"; then
    echo "$pinned" >"$stamp"
    echo "win64-deps: unpacked $(basename "$archive") into $prefix"
    exit 0
  fi
  echo "win64-deps: $archive does not unpack; building from Debian's sources instead (about an hour)" >&2
elif [ -f "$archive" ]; then
  echo "win64-deps: $archive does not match its checksum; building from Debian's sources instead (about an hour)" >&2
else
  echo "win64-deps: no prebuilt archive at $archive; building from Debian's sources (about an hour)" >&2
fi

work="$(mktemp -d /tmp/lumidor-win64-deps.XXXXXX)"
bash "$here/scripts/win64-deps-build.sh" "$work/deps.tar.xz" "$work"
rm -rf "$prefix" && mkdir -p "$prefix"
tar -C "$prefix" -xJf "$work/deps.tar.xz"
echo "recipe $recipe_sum" >"$stamp"
rm -rf "$work"
echo "win64-deps: built into $prefix"
