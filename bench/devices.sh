#!/bin/sh
# Builds the program with every start-up device, with each device in turn swapped for its
# plain Qt alternative, and with all of them swapped; then measures them all in one
# interleaved run against the window that shows one line of text.
# Usage: bench/devices.sh [BUILD-ROOT] [extra zarvo_startup_bench options]
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-$src/build-devices}
[ $# -gt 0 ] && shift
jobs=${ZARVO_BENCH_JOBS:-2}
runs=${ZARVO_BENCH_RUNS:-31}
launcher=""
if command -v ccache >/dev/null; then
    # The variants share most of their objects.
    launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR="$src"
fi

# name, then the options that make it
variants="devices:
plain-links:-DZARVO_SELF_DRAWN_LINKS=OFF
platform-style:-DZARVO_DIRECT_IMAGE_STYLE=OFF
linked-print:-DZARVO_PRINT_MODULE=OFF
unpacked:-DZARVO_PACKED_RESOURCES=OFF
all-plain:-DZARVO_SELF_DRAWN_LINKS=OFF;-DZARVO_DIRECT_IMAGE_STYLE=OFF;-DZARVO_PRINT_MODULE=OFF;-DZARVO_PACKED_RESOURCES=OFF"

echo "$variants" | while IFS=: read -r name options; do
    tests=OFF
    [ "$name" = devices ] && tests=ON   # the bench tool and the floors are built there
    # shellcheck disable=SC2086
    cmake -S "$src" -B "$root/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVO_BUILD_TESTS=$tests $launcher \
          $(echo "$options" | tr ';' ' ') >/dev/null
    targets=zarvo-tibetan-astrology
    [ "$name" = devices ] && targets="$targets zarvo_startup_bench zarvo_bench_text_floor zarvo_bench_floor"
    # shellcheck disable=SC2086
    cmake --build "$root/$name" -j"$jobs" --target $targets >/dev/null
done

args=""
for name in $(echo "$variants" | cut -d: -f1); do
    args="$args --program $root/$name/app/zarvo-tibetan-astrology --label $name"
done
# shellcheck disable=SC2086
exec "$root/devices/bench/zarvo_startup_bench" $args \
    --program "$root/devices/bench/floor/zarvo_bench_floor" --title "Zarvo bench floor" --label empty-window \
    --floor "$root/devices/bench/floor/zarvo_bench_text_floor" --floor-title "Zarvo bench text floor" \
    --runs "$runs" "$@"
