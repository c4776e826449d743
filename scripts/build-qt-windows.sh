#!/usr/bin/env bash
# Builds the part of Qt that the program needs for 64-bit Windows, from Debian's own
# Qt sources, with the MinGW-w64 cross compiler, once per machine. It lands in
#     ${XDG_CACHE_HOME:-~/.cache}/zarvo/qt-<version>-mingw64
# (printed at the end), keyed by the Qt version, so later runs reuse it. Nothing is
# downloaded but Debian packages and Debian's source package of Qt.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[-+].*//')
[ -n "$QT_VERSION" ] || QT_VERSION=6.4.2
CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/zarvo"
PREFIX="$CACHE/qt-$QT_VERSION-mingw64"
if [ -f "$PREFIX/.complete" ]; then
    echo "$PREFIX"
    exit 0
fi

WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build dpkg-dev"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $WINDOWS_PACKAGES

# The source package needs a deb-src entry for the release the machine runs.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
    [ "$(id -u)" -eq 0 ] || { echo "Debian source entries are missing; run this as root once." >&2; exit 1; }
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    cat >/etc/apt/sources.list.d/zarvo-sources.sources <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    apt-get update -qq
fi

WORK="$CACHE/qt-$QT_VERSION-work"
rm -rf "$WORK"
mkdir -p "$WORK"
(cd "$WORK" && apt-get source -qq qt6-base >/dev/null)
SOURCE=$(find "$WORK" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -d "$SOURCE" ] || { echo "qt6-base sources not found in $WORK" >&2; exit 1; }

# Only what the program and its tests use: Core, Gui, Widgets, PrintSupport, Test,
# the Windows platform plugin and style. No OpenGL at all: dynamic GL would stay on
# with the feature alone. Direct2D stays on: PrintSupport links DirectWrite's font engine.
cmake -S "$SOURCE" -B "$WORK/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/platform/windows/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DBUILD_WITH_PCH=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_libpng=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
    >"$WORK/configure.log"
cmake --build "$WORK/build" -j"$(nproc)" >"$WORK/build.log"
cmake --install "$WORK/build" >"$WORK/install.log"
rm -rf "$WORK"
touch "$PREFIX/.complete"
echo "$PREFIX"
