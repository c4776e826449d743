#!/usr/bin/env bash
# Builds Zarvo Tibetan Astrology and starts it. Without a display it starts the
# program on a virtual X display and says how to take a screenshot of it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Qt keeps private files in the session's runtime folder and warns when there is none,
# as for root on a console: give it the one it would fall back to, owned by this user
# and closed to others, or a new one when that name is taken.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="/tmp/runtime-$(id -un)"
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR" 2>/dev/null || true
    if [ -L "$XDG_RUNTIME_DIR" ] || [ ! -d "$XDG_RUNTIME_DIR" ] || [ ! -O "$XDG_RUNTIME_DIR" ] \
            || [ "$(stat -c %a "$XDG_RUNTIME_DIR")" != 700 ]; then
        XDG_RUNTIME_DIR=$(mktemp -d)
    fi
    export XDG_RUNTIME_DIR
fi

packages="$BUILD_PACKAGES"
[ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && packages="$packages xvfb imagemagick"
# shellcheck disable=SC2086
ensure_packages $packages
build_preset default zarvo-tibetan-astrology
program="$ROOT/build/app/zarvo-tibetan-astrology"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

display=":$(( 90 + RANDOM % 100 ))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
echo "No display found: running on the virtual X display $display (Xvfb)."
echo "Screenshot: DISPLAY=$display import -window root /tmp/zarvo.png"
DISPLAY="$display" "$program"
