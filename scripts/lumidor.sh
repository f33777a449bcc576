#!/usr/bin/env bash
# One entry point for a newcomer and for CI:
#   lumidor.sh run    install what is missing, build, start the configurator
#                     with the converter simulator as its device
#   lumidor.sh test   install what is missing, build with warnings as errors,
#                     run every test (and the sanitizer build of the tests)
#   lumidor.sh check  the everyday check: an incremental build of the tests
#                     into build/ and the unit and widget tests
#   lumidor.sh bench  build and run the benchmarks
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl1-mesa-dev
  libgtest-dev libbenchmark-dev
  libjpeg62-turbo-dev libudev-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth imagemagick fonts-dejavu-core
  valgrind time
)
# Windows cross-check, static analysis and the Debian package.
packages+=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  clang-tidy dpkg-dev file fakeroot lintian xdotool fonts-dejavu-extra)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

configure() { # build dir, extra cmake args...
  local dir="$1"; shift
  local launcher=()
  # A rebuild after switching branches or folders then mostly hits the cache.
  command -v ccache >/dev/null &&
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}

build() { # build dir, extra cmake args...
  configure "$@"
  cmake --build "$1" -j"$(nproc)"
}

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
    export LD_LIBRARY_PATH="$here/build/simulator${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
    # scripts/sim-plug.sh plugs and unplugs the simulated converter through this file.
    export LUMIDOR_SIM_STATE="${LUMIDOR_SIM_STATE:-/tmp/lumidor-sim-state}"
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      exec xvfb-run -a -s "-screen 0 1280x1024x24" build/src/rc_lumidor_konfigurator
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
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DLUMIDOR_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build build-fuzz -j"$(nproc)" --target reply_fuzz ini_fuzz presetfile_fuzz
    ctest --test-dir build-fuzz --output-on-failure -R fuzz
    if [ "${LUMIDOR_SKIP_SANITIZE:-0}" != 1 ]; then
      build build-asan -DLUMIDOR_SANITIZE=ON -DLUMIDOR_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
      ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
    fi
    ;;
  check)
    install_missing
    configure build -DLUMIDOR_WERROR=ON
    cmake --build build -j"$(nproc)" --target lumidor_tests
    ctest --test-dir build -L 'unit|widget' --output-on-failure -j"$(nproc)"
    ;;
  bench)
    install_missing
    build build
    export LD_LIBRARY_PATH="$here/build/simulator${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
    for b in build/bench/*_bench; do [ -x "$b" ] && "$b"; done
    ;;
  *)
    echo "usage: $0 run|test|check|bench" >&2
    exit 2
    ;;
esac
