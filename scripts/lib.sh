# shellcheck shell=bash disable=SC2034  # the variables are for the scripts that source this
# Sourced by every script in scripts/: what they share. Sets `here` to the
# checkout's top folder.
#   source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

here="$(cd "${BASH_SOURCE[0]%/*}/.." && pwd)"

# The Debian packages, by purpose. Each command installs only the groups it
# needs (install_missing GROUP...): a first `run` fetches no test tool.
# Building the program and starting it: every command needs these. The
# DejaVu faces stand in for the serif the about group and the model window ask for.
packages_build=(build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl1-mesa-dev
  libjpeg62-turbo-dev libudev-dev fonts-dejavu-core fonts-dejavu-extra)
# A virtual X server: for `run` where there is no display, and the smoke runs.
packages_screen=(xvfb xauth)
# The test programs (Qt Test comes with Qt).
packages_tests=(libgtest-dev)
# The benchmarks, and the measuring scripts beside them (measure-startup.sh
# counts with valgrind, figures.sh takes CPU times with time).
packages_bench=(libbenchmark-dev valgrind time)
# Formatting, static analysis and the libFuzzer build.
packages_analysis=(clang libclang-rt-14-dev clang-format clang-tidy)
# The Debian package, its checks (lintian, the desktop, MIME and AppStream
# files) and its smoke run.
packages_debian=(dpkg-dev file fakeroot lintian appstream desktop-file-utils shared-mime-info
  libglib2.0-bin xdotool imagemagick)
# The 64-bit Windows build: mingw-w64, NSIS and the zip.
packages_windows=(g++-mingw-w64-x86-64-posix nsis zip xz-utils)
# Its tests under Wine and the installer smoke run; the 32-bit cross-check.
packages_windows_tests=(wine wine64 fonts-wine xdotool imagemagick g++-mingw-w64-i686-posix)

install_missing() { # group... (the names after packages_)
  local missing=() group p list
  for group in "$@"; do
    list="packages_${group}[@]"
    for p in "${!list}"; do
      dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        [[ " ${missing[*]} " == *" $p "* ]] || missing+=("$p")
    done
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# One stage of a long command: named as it starts, timed as it ends. A failing
# stage ends the script (set -e) with its name as the last one shown.
# stage_times collects "name: N s" for a summary at the end.
stage_times=()
stage() { # name, command...
  local name="$1" start=$SECONDS
  shift
  echo "${0##*/}: $name ..."
  "$@"
  echo "${0##*/}: $name done in $((SECONDS - start)) s"
  stage_times+=("$name: $((SECONDS - start)) s")
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
