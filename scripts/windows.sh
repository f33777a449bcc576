#!/usr/bin/env bash
# The 64-bit Windows build, made on this Linux machine with Debian's mingw-w64
# and run by Wine:
#   windows.sh build   the dependency prefix, then the program, the converter
#                      simulator as ftd2xx.dll and the tests, cross-built into
#                      build-win64/; then the portable zip and the installer
#   windows.sh test    build, then the whole test suite as Windows programs
#                      under Wine, then the installer tried as a user would
#   windows.sh bench [runs]  a write against the wire's floor (bench/wire_bench)
#                      as a Windows program under Wine
#   windows.sh wine-tests  the suite alone, on the virtual X server that
#                      test starts for it
# Each stage is named and timed (lib.sh's stage). The packages come from
# scripts/lumidor.sh (lib.sh's lists), which calls this.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$here"
prefix="${LUMIDOR_WIN64_PREFIX:-/opt/lumidor-win64}"
dir=build-win64
export WINEPREFIX="${LUMIDOR_WINEPREFIX:-$HOME/.local/share/lumidor-wine}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

configure_win() { # extra cmake args...
  # Only the dependency prefix and mingw's own folders are searched, so neither
  # the host's Qt nor the Linux simulator can be picked up.
  configure "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
    -DLUMIDOR_BUILD_TOOLS=OFF -DLUMIDOR_WERROR=ON "$@"
}

cross_build() {
  stage "dependencies" bash scripts/win64-deps.sh "$prefix"
  configure_win -DLUMIDOR_BUILD_BENCHMARKS=OFF
  stage "cross-build" cmake --build "$dir" -j"$(nproc)"
  stage "zip and installer" cmake --build "$dir" --target windows_zip windows_installer
}

# A prefix of its own, made once, reporting Windows 10.
wine_prefix() {
  if [ ! -f "$WINEPREFIX/.lumidor-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
    # Windows' own dialog face; without it Wine falls back to whatever face
    # sorts first, a mathematical one here.
    cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -w
    touch "$WINEPREFIX/.lumidor-ready"
  fi
}

# Wine's windows need an X server, Qt's event loop makes one too; the widgets
# themselves draw on Qt's minimal platform. Wine's own services and desktop
# are started first, by a server that stays up: started by a test, they would
# keep its output pipe open and ctest waiting, and restarting them for every
# test costs seconds each.
wine_tests() {
  wineserver -p
  wine wineboot </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
  local status=0
  ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" --timeout 300 || status=$?
  wineserver -k || true
  return "$status"
}

run_tests() {
  stage "Wine prefix" wine_prefix
  stage "tests under Wine" "${xvfb[@]}" bash "$0" wine-tests
}

case "${1:-}" in
  build)
    cross_build
    ;;
  test)
    cross_build
    run_tests
    stage "installer tried as a user would" bash scripts/windows-installer-smoke.sh \
      "$dir"/rc-lumidor-*-win64-setup.exe "$dir/simulator/ftd2xx.dll"
    ;;
  bench)
    # Only the plain wire benchmark: Google Benchmark is not in the prefix.
    configure_win -DLUMIDOR_BUILD_BENCHMARKS=ON
    cmake --build "$dir" -j"$(nproc)" --target wire_bench
    wine_prefix
    WINEPATH="Z:$prefix/bin" wine "$dir/bench/wire_bench.exe" "${2:-10}"
    wineserver -k || true
    ;;
  wine-tests) # on the X server run_tests starts
    wine_tests
    ;;
  *)
    echo "usage: $0 build | test | bench [runs] | wine-tests (the suite alone, on the X server test starts)" >&2
    exit 2
    ;;
esac
