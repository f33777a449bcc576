#!/usr/bin/env bash
# One entry point for a newcomer and for CI:
#   lumidor.sh run    install what is missing, build, start the configurator
#                     with the converter simulator as its device
#   lumidor.sh test   install what is missing, build with warnings as errors,
#                     run every test (and the sanitizer build of the tests)
#   lumidor.sh check  the everyday check: an incremental build of the tests
#                     into build/ and the unit, widget and end-to-end tests
#   lumidor.sh windows  install what is missing, cross-build for 64-bit Windows
#                     and make the installer and the portable zip
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

case "${1:-}" in
  run)
    install_missing
    build build
    use_simulator
    # scripts/sim-plug.sh plugs and unplugs the simulated converter through this file.
    export LUMIDOR_SIM_STATE="${LUMIDOR_SIM_STATE:-/tmp/lumidor-sim-state}"
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      exec "${xvfb[@]}" build/src/rc_lumidor_konfigurator
    fi
    exec build/src/rc_lumidor_konfigurator
    ;;
  test)
    install_missing
    check_format
    build build -DLUMIDOR_WERROR=ON
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    scripts/tidy.sh build
    scripts/cross-check.sh
    scripts/package.sh build
    scripts/package-smoke.sh build/rc-lumidor_*.deb
    # The fuzz targets need clang's libFuzzer; a bounded run of each from its seeds.
    build_fuzz
    ctest --test-dir build-fuzz --output-on-failure -R fuzz
    scripts/windows.sh test
    if [ "${LUMIDOR_SKIP_SANITIZE:-0}" != 1 ]; then
      build build-asan -DLUMIDOR_SANITIZE=ON -DLUMIDOR_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
      ASAN_OPTIONS="$asan_options" ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
    fi
    ;;
  check)
    install_missing
    configure build -DLUMIDOR_WERROR=ON
    cmake --build build -j"$(nproc)" --target lumidor_tests
    ctest --test-dir build -L 'unit|widget|e2e' --output-on-failure -j"$(nproc)"
    ;;
  windows)
    install_missing
    scripts/windows.sh build
    ;;
  bench)
    install_missing
    build build
    use_simulator
    for b in build/bench/*_bench; do [ -x "$b" ] && "$b"; done
    ;;
  *)
    echo "usage: $0 run|test|check|windows|bench" >&2
    exit 2
    ;;
esac
