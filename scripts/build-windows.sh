#!/usr/bin/env bash
# Builds the Windows program, its installer and its portable archive on this Linux
# machine: Qt for Windows once (scripts/build-qt-windows.sh, cached), the icon renderer
# for this machine, then the program with MinGW-w64. The results land in build-windows/:
#     ZarvoTibetanAstrology-<version>-setup.exe      per-user installer
#     ZarvoTibetanAstrology-<version>-portable.zip   runs from any folder
set -euo pipefail
source "$(dirname "$0")/lib.sh"

WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build dpkg-dev nsis imagemagick wine wine64 fonts-wine libcups2 \
openbox"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $WINDOWS_PACKAGES

ZARVO_WINDOWS_QT=$(bash "$ROOT/scripts/build-qt-windows.sh" | tail -n1)
export ZARVO_WINDOWS_QT
# The pictures are rendered by the build machine's own Qt.
build_preset default zarvo_icon_render >/dev/null
build_preset windows
cmake --build "$ROOT/build-windows" --target windows_installer
