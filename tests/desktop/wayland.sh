#!/usr/bin/env bash
# The program on Qt's Wayland platform plugin under a headless Weston compositor: the
# screen-reader walk without key presses (the main window shows, a reading is
# calculated, saved and reopened), then the robustness run of random input.
#   wayland.sh PROGRAM ROBUSTNESS_TEST [ARTEFACTS]
# Tools: weston, qt6-wayland, dbus, at-spi2-core, python3-pyatspi.
set -uo pipefail
PROGRAM=${1:?program path missing}
ROBUSTNESS=${2:?robustness test path missing}
ARTIFACTS=${E2E_ARTIFACTS:-${3:-$(pwd)/e2e-artifacts}}
TIMEOUT=${E2E_TIMEOUT:-20}
NAME=wayland
log() { printf '[%s %s] %s\n' "$NAME" "$(date +%H:%M:%S)" "$*" >&2; }
fail() { log "FAIL: $*"; exit 1; }

for tool in weston dbus-run-session; do
    command -v "$tool" >/dev/null || fail "tool missing: $tool"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi missing"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
[ -e "$plugins/platforms/libqwayland-generic.so" ] || fail "Qt's Wayland plugin is missing (qt6-wayland)"

mkdir -p "$ARTIFACTS"
TMP=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-wayland.XXXXXX")
WESTON_PID=""
cleanup() {
    local status=$?
    [ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null && wait "$WESTON_PID" 2>/dev/null
    rm -rf "$TMP"
    [ $status -eq 0 ] && log PASS || log "FAILED (exit $status); logs in $ARTIFACTS/$NAME-*"
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mkdir -p "$TMP/runtime" "$TMP/home" "$TMP/config" "$TMP/work"
chmod 700 "$TMP/runtime"

# The compositor, with its own runtime folder and socket; nothing of the caller's
# X display or Wayland session reaches the program.
export XDG_RUNTIME_DIR="$TMP/runtime" HOME="$TMP/home" XDG_CONFIG_HOME="$TMP/config"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
weston --backend=headless-backend.so --socket=wayland-zarvo --idle-time=0 --width=1024 --height=768 \
    >"$ARTIFACTS/$NAME-weston.log" 2>&1 &
WESTON_PID=$!
deadline=$((SECONDS + TIMEOUT))
until [ -S "$XDG_RUNTIME_DIR/wayland-zarvo" ]; do
    kill -0 "$WESTON_PID" 2>/dev/null || fail "weston ended at start"
    [ $SECONDS -lt $deadline ] || fail "weston made no socket within ${TIMEOUT}s"
    sleep 0.05
done
export WAYLAND_DISPLAY=wayland-zarvo QT_QPA_PLATFORM=wayland
# The headless compositor has no seat (no keyboard, no pointer). Qt 6.4's Wayland
# text-input support takes a seat for granted and crashes when a text box draws its
# cursor without one; naming an input method that does not exist switches it off.
# Desktops always have a seat, so the program itself needs no such setting.
export QT_IM_MODULE=none
log "weston on $WAYLAND_DISPLAY"

dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$PROGRAM" "$TMP/work" --no-keyboard \
    >"$ARTIFACTS/$NAME-walk.log" 2>&1
status=$?
grep -v '^dbus-daemon' "$ARTIFACTS/$NAME-walk.log" >&2
[ "$status" -eq 0 ] || fail "the main flow failed on Wayland"

log "robustness run on the Wayland plugin"
"$ROBUSTNESS" >"$ARTIFACTS/$NAME-robustness.log" 2>&1
status=$?
# Qt 6.4's Wayland client has a race between its event thread and a window being
# hidden: now and then (about one run in seven here, with or without our code
# changing) libwayland-client's own assertion ends the run. That one assertion, and
# only it, earns one more run with a new seed; the first log is kept.
if [ "$status" -ne 0 ] && grep -q "wl_proxy_unref: Assertion .proxy->refcount > 0' failed" "$ARTIFACTS/$NAME-robustness.log"; then
    mv "$ARTIFACTS/$NAME-robustness.log" "$ARTIFACTS/$NAME-robustness-qt-race.log"
    log "Qt's Wayland client tripped its own assertion (see $NAME-robustness-qt-race.log); once more"
    "$ROBUSTNESS" >"$ARTIFACTS/$NAME-robustness.log" 2>&1
    status=$?
fi
tail -5 "$ARTIFACTS/$NAME-robustness.log" >&2
[ "$status" -eq 0 ] || fail "the robustness run failed on Wayland"
