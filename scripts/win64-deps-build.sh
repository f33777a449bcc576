#!/usr/bin/env bash
# Builds the 64-bit Windows dependencies of the configurator from Debian's own
# source packages with the mingw-w64 cross compilers (posix threads), and packs
# them as one archive:
#   Qt 6.4.2 qtbase: Core, Gui, Widgets, Test; the windows, offscreen and minimal
#     platform plugins; the Windows styles. Bundled zlib, libpng, libjpeg,
#     pcre2, harfbuzz, double-conversion. No network, sql, dbus, opengl, xml.
#   libjpeg-turbo 2.1.5 (shared), GoogleTest 1.12.1 (static).
# Usage: build-win64-deps.sh OUT_ARCHIVE [WORK_DIR]
# Needs: root on Debian 12, about an hour on two cores, about 6 GB of disk.
# Consumers unpack the archive anywhere, put that folder on CMAKE_PREFIX_PATH,
# and set QT_HOST_PATH=/usr (Debian's qt6-base-dev-tools 6.4.2 provide moc,
# rcc and uic for the cross build).
set -euo pipefail
OUT=$(readlink -f "$1"); WORK=${2:-/tmp/win64-deps}
HERE=$(cd "$(dirname "$0")" && pwd)
TOOLCHAIN=$HERE/../cmake/mingw-w64-x86_64.cmake
PREFIX=$WORK/prefix
mkdir -p "$WORK/src" "$PREFIX"

apt-get install -y --no-install-recommends g++-mingw-w64-x86-64-posix cmake ninja-build \
  qt6-base-dev qt6-base-dev-tools googletest dpkg-dev xz-utils >/dev/null
# Source lists, only for this download.
src_list=/etc/apt/sources.list.d/win64-deps-src.sources
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
  awk 'BEGIN { RS = "" } NR == 1 { print }' /etc/apt/sources.list.d/debian.sources |
    sed 's/^Types: deb$/Types: deb-src/' >"$src_list"
  apt-get update >/dev/null
fi
(cd "$WORK/src" && apt-get source --download-only qt6-base libjpeg-turbo >/dev/null 2>&1)
(cd "$WORK/src" && tar xf qt6-base_6.4.2+dfsg.orig.tar.xz && tar xf libjpeg-turbo_2.1.5.orig.tar.gz)

cmake -G Ninja -S "$WORK/src/libjpeg-turbo-2.1.5" -B "$WORK/jpeg" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
  -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=ON -DENABLE_STATIC=OFF \
  -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
cmake --build "$WORK/jpeg" && cmake --install "$WORK/jpeg"

cmake -G Ninja -S /usr/src/googletest -B "$WORK/gtest" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
  -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
cmake --build "$WORK/gtest" && cmake --install "$WORK/gtest"

# Two mends to the Windows platform plugin, which Debian's build never compiles:
# Debian's source drops the third-party Wintab header (pen tablets through
# Wintab; Windows Ink still works), and a build without OpenGL still asks for
# the dynamic-GL probe.
W="$WORK/src/qtbase-everywhere-src-6.4.2/src/plugins/platforms/windows"
sed -i 's/#if QT_CONFIG(tabletevent)/#if 0 \/\/ no Wintab header in this source tree/' "$W/qwindowscontext.cpp"
sed -i 's/^#  include "qwindowstabletsupport.h"$/\/\/ (Wintab support not built)/' "$W/qwindowspointerhandler.cpp"
sed -i 's/^qt_internal_extend_target(QWindows\(Direct2D\)\{0,1\}IntegrationPlugin CONDITION QT_FEATURE_tabletevent$/& AND EXISTS "${QtBase_SOURCE_DIR}\/src\/3rdparty\/wintab\/wintab.h"/' "$W/CMakeLists.txt" "$W/../direct2d/CMakeLists.txt"
sed -i 's/#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$W/qwindowswindow.cpp"

cmake -G Ninja -S "$WORK/src/qtbase-everywhere-src-6.4.2" -B "$WORK/qt" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF -DFEATURE_icu=OFF -DFEATURE_vulkan=OFF -DFEATURE_testlib=ON
cmake --build "$WORK/qt" && cmake --install "$WORK/qt"

# The mingw runtime DLLs a program built with this toolchain needs beside it.
mkdir -p "$PREFIX/bin"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  f=$(find /usr/lib/gcc/x86_64-w64-mingw32 /usr/x86_64-w64-mingw32 -name "$dll" 2>/dev/null | grep -i posix | head -1)
  [ -n "$f" ] || f=$(find /usr/lib/gcc/x86_64-w64-mingw32 /usr/x86_64-w64-mingw32 -name "$dll" | head -1)
  cp "$f" "$PREFIX/bin/"
done
x86_64-w64-mingw32-strip --strip-unneeded "$PREFIX"/bin/*.dll "$PREFIX"/plugins/*/*.dll
rm -rf "$PREFIX/doc"
[ -f "$src_list" ] && rm -f "$src_list" && apt-get update >/dev/null || true
tar -C "$PREFIX" -cJf "$OUT" .
sha256sum "$OUT"
