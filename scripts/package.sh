#!/usr/bin/env bash
# Builds the Debian package in the given build folder (default build/) and
# checks it with lintian, its desktop entries with desktop-file-validate and
# its AppStream metadata with appstreamcli (offline); any error fails the script.
#   scripts/package.sh [build-dir]   ->  <build-dir>/rc-lumidor_<version>_<arch>.deb
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$here"
dir="${1:-build}"

if [ ! -f "$dir/CMakeCache.txt" ]; then
  configure "$dir"
fi
rm -f "$dir"/rc-lumidor_*.deb
cmake --build "$dir" -j"$(nproc)" --target package >/dev/null
deb="$(ls "$dir"/rc-lumidor_*.deb)"
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Section Maintainer Depends
lintian --fail-on error --suppress-tags binary-without-manpage "$deb"
echo "package: lintian reports no error"

tree="$(mktemp -d /tmp/lumidor-deb.XXXXXX)"
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
echo "package: desktop entries valid"
# validate-tree also checks that the metadata's desktop entry is in the package.
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net "$tree" >/dev/null
echo "package: AppStream metadata valid"
