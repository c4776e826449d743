#!/usr/bin/env bash
# Builds Zarvo Tibetan Astrology with its tests and runs every test: unit and widget
# tests (offscreen), end-to-end tests of the real program on Xvfb and under a headless
# Wayland compositor, a screen-reader walk over the accessibility bus, printing to a
# CUPS queue that writes PDF, a bounded fuzzing run of the reading-file reader, the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# Windows program (cross-built, with its installer) tested under Wine.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

TEST_PACKAGES="xvfb x11-xkb-utils xdotool xclip imagemagick x11-utils cups cups-client cups-bsd printer-driver-cups-pdf \
poppler-utils clang libclang-rt-14-dev appstream desktop-file-utils dpkg-dev file pkg-config libxcb1-dev \
lintian man-db shared-mime-info xdg-utils libglib2.0-bin python3 util-linux locales \
weston qt6-wayland dbus at-spi2-core python3-pyatspi openbox designer-qt6"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES

# A German system locale for the German run, as a German desktop has it.
if [ "$(id -u)" -eq 0 ] && ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
fi

# A printer for the print test: cupsd with a PDF queue as the default printer.
if [ "$(id -u)" -eq 0 ]; then
    "$ROOT/tests/e2e/start-cups.sh" || echo "CUPS could not be started; the print test will be skipped."
fi

status=0
build_preset default
(cd "$ROOT" && ctest --preset default) || status=1

# The fuzz target needs clang's libFuzzer.
build_preset fuzz
"$ROOT/tests/fuzz/run-fuzz.sh" "$ROOT/build-fuzz/tests/fuzz/fuzz_reading_file" || status=1

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
build_preset asan
(cd "$ROOT" && ctest --preset asan) || status=1

# The Windows program, cross-built with its installer (Qt for Windows is built once and
# cached), its engine and file tests as Windows programs and its installer, all under Wine.
if bash "$ROOT/scripts/build-windows.sh"; then
    (cd "$ROOT" && ctest --preset windows) || status=1
else
    status=1
fi

exit $status
