#!/usr/bin/env bash
# Builds Zarvo Tibetan Astrology with its tests and runs every test: unit and widget
# tests (offscreen), end-to-end tests of the real program on Xvfb, printing to a
# CUPS queue that writes PDF, a bounded fuzzing run of the reading-file reader, and
# the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

TEST_PACKAGES="xvfb xdotool imagemagick x11-utils cups cups-client cups-bsd printer-driver-cups-pdf \
poppler-utils clang libclang-rt-14-dev appstream desktop-file-utils dpkg-dev file"
# shellcheck disable=SC2086
ensure_packages $BUILD_PACKAGES $TEST_PACKAGES

# A printer for the print test: cupsd with a PDF queue as the default printer.
if [ "$(id -u)" -eq 0 ]; then
    "$ROOT/tests/e2e/start-cups.sh" || echo "CUPS could not be started; the print test will be skipped."
fi

status=0
build_tree "$ROOT/build" all -- -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd "$ROOT/build" && ctest --output-on-failure --timeout 300) || status=1

# The fuzz target needs clang's libFuzzer.
build_tree "$ROOT/build-fuzz" fuzz_reading_file -- -DCMAKE_CXX_COMPILER=clang++ -DZARVO_FUZZ=ON \
    -DZARVO_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
"$ROOT/tests/fuzz/run-fuzz.sh" "$ROOT/build-fuzz/tests/fuzz/fuzz_reading_file" || status=1

# The whole suite once more with the sanitizers.
build_tree "$ROOT/build-asan" all -- -DCMAKE_BUILD_TYPE=Debug \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
(cd "$ROOT/build-asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --timeout 600 -L sanitize) || status=1

exit $status
