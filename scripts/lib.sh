# shellcheck shell=bash disable=SC2034  # the variables are for the scripts that source this
# Sourced by every script in scripts/: what they share. Sets `here` to the
# checkout's top folder.
#   source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

here="$(cd "${BASH_SOURCE[0]%/*}/.." && pwd)"

# The Debian packages the commands need; install_missing adds what is absent.
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
# The Windows build: run by Wine, packed by NSIS.
packages+=(wine wine64 fonts-wine nsis zip xz-utils)

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
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}

build() { # build dir, extra cmake args...
  configure "$@"
  cmake --build "$1" -j"$(nproc)"
}

# The libFuzzer targets need clang; they build in build-fuzz/.
fuzz_targets=()
for src in "$here"/tests/fuzz/*_fuzz.cpp; do fuzz_targets+=("$(basename "$src" .cpp)"); done
build_fuzz() {
  CXX=clang++ configure build-fuzz -DLUMIDOR_BUILD_BENCHMARKS=OFF
  cmake --build build-fuzz -j"$(nproc)" --target "${fuzz_targets[@]}"
}

# The sanitizer options of every sanitized run the scripts start (fuzz
# targets, the sanitizer build of the tests): no leak report at exit. The fuzz
# targets add their own defaults (tests/fuzz/fuzzcheck.h).
asan_options=detect_leaks=0

# A virtual X server for a program when there is no display.
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")

# The folder of the converter simulator (libftd2xx.so) in a build folder; the
# program loads it in place of the vendor library when it comes first on
# LD_LIBRARY_PATH.
simulator_dir() { # [build dir]
  echo "${1:-$here/build}/simulator"
}
use_simulator() { # [build dir]
  LD_LIBRARY_PATH="$(simulator_dir "${1:-}")${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
  export LD_LIBRARY_PATH
}
