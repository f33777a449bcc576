#!/usr/bin/env bash
# One entry point for a newcomer and for CI. Each command installs the Debian
# packages it needs (scripts/lib.sh lists them by purpose) and no more:
#   lumidor.sh run    build the program alone and start it with the converter
#                     simulator as its device
#   lumidor.sh test   everything: build with warnings as errors, every test,
#                     the package, fuzzing, Windows, sanitizers; each stage
#                     is named as it starts and timed as it ends
#   lumidor.sh check  the everyday check: an incremental build of the tests
#                     into build/ and the unit, widget and end-to-end tests
#   lumidor.sh windows  cross-build for 64-bit Windows and make the installer
#                     and the portable zip
#   lumidor.sh bench  build and run the benchmarks
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$here"

# Every C++ file as clang-format would leave it; the listing comes from git where
# there is a checkout, from the tree otherwise.
check_format() {
  local files
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files="$(git ls-files '*.cpp' '*.h')"
  else
    files="$(find src tests bench simulator tools -name '*.cpp' -o -name '*.h' 2>/dev/null)"
  fi
  echo "$files" | xargs clang-format --dry-run -Werror
}

# What goes into build/ besides the program, per command: switching between
# them only regenerates the build files, compiled objects are kept.
only_program=(-DLUMIDOR_BUILD_TESTS=OFF -DLUMIDOR_BUILD_BENCHMARKS=OFF -DLUMIDOR_BUILD_TOOLS=OFF)
everything=(-DLUMIDOR_BUILD_TESTS=ON -DLUMIDOR_BUILD_BENCHMARKS=ON -DLUMIDOR_BUILD_TOOLS=ON)

case "${1:-}" in
  run)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      install_missing build screen
    else
      install_missing build
    fi
    build build "${only_program[@]}"
    use_simulator
    # scripts/sim-plug.sh plugs and unplugs the simulated converter through this file.
    export LUMIDOR_SIM_STATE="${LUMIDOR_SIM_STATE:-/tmp/lumidor-sim-state}"
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      exec "${xvfb[@]}" build/src/rc_lumidor_konfigurator "${@:2}"
    fi
    exec build/src/rc_lumidor_konfigurator "${@:2}"
    ;;
  test)
    install_missing build screen tests bench analysis debian windows windows_tests
    all=$SECONDS
    stage "format" check_format
    stage "build" build build -DLUMIDOR_WERROR=ON "${everything[@]}"
    stage "tests" ctest --test-dir build --output-on-failure -j"$(nproc)"
    stage "clang-tidy" scripts/tidy.sh build
    stage "Windows cross-check" scripts/cross-check.sh
    stage "Debian package" scripts/package.sh build
    stage "package smoke run" scripts/package-smoke.sh build/rc-lumidor_*.deb
    # The fuzz targets need clang's libFuzzer; a bounded run of each from its seeds.
    stage "fuzz build" build_fuzz
    stage "fuzz runs" ctest --test-dir build-fuzz --output-on-failure -R fuzz
    stage "Windows" scripts/windows.sh test
    if [ "${LUMIDOR_SKIP_SANITIZE:-0}" != 1 ]; then
      stage "sanitizer build" build build-asan -DLUMIDOR_SANITIZE=ON \
        -DLUMIDOR_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
      stage "sanitizer tests" env ASAN_OPTIONS="$asan_options" \
        ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
    fi
    echo "lumidor.sh: test passed in $((SECONDS - all)) s"
    printf '  %s\n' "${stage_times[@]}"
    ;;
  check)
    install_missing build tests
    configure build -DLUMIDOR_WERROR=ON -DLUMIDOR_BUILD_TESTS=ON -DLUMIDOR_BUILD_BENCHMARKS=OFF
    cmake --build build -j"$(nproc)" --target lumidor_tests
    ctest --test-dir build -L 'unit|widget|e2e' --output-on-failure -j"$(nproc)"
    ;;
  windows)
    install_missing build windows
    scripts/windows.sh build
    ;;
  bench)
    install_missing build bench
    build build -DLUMIDOR_BUILD_TESTS=OFF -DLUMIDOR_BUILD_BENCHMARKS=ON
    use_simulator
    for b in build/bench/*_bench; do [ -x "$b" ] && "$b"; done
    ;;
  *)
    echo "usage: $0 run [preset file] | test | check | windows | bench" >&2
    exit 2
    ;;
esac
