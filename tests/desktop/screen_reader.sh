#!/usr/bin/env bash
# The screen-reader walk on X11: the real program on a private Xvfb display, in a D-Bus
# session of its own with the accessibility bus, worked by screen_reader.py through
# AT-SPI actions and key presses alone.
# A window manager (Openbox) gives the windows the keyboard focus, as on any desktop.
# Tools: xvfb, openbox, dbus (dbus-run-session), at-spi2-core, python3-pyatspi.
source "$(dirname "$0")/../e2e/lib.sh"
e2e_init "$@"
for tool in dbus-run-session openbox; do
    command -v "$tool" >/dev/null || fail "tool missing: $tool"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi missing"

export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$CONFIG_HOME" XDG_RUNTIME_DIR="$RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb BROWSER="$E2E_TMP/bin/browser"
export PATH="$E2E_TMP/bin:$PATH"
unset WAYLAND_DISPLAY

# Openbox claims the screen before it has read its configuration and theme; a window
# that appears in between waits, unmapped and without the focus, until Openbox is done,
# which under load can take longer than the walk waits. A command given with --startup
# runs once Openbox manages windows as they come.
ready="$E2E_TMP/openbox-ready"
openbox --sm-disable --startup "touch '$ready'" >"$ARTIFACTS/$E2E_NAME-openbox.log" 2>&1 &
E2E_APP_PIDS+=($!)
deadline=$((SECONDS + E2E_TIMEOUT))
until [ -e "$ready" ]; do
    [ $SECONDS -lt $deadline ] || fail "the window manager did not start"
    sleep 0.05
done
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$PROGRAM" "$WORK" \
    >"$ARTIFACTS/$E2E_NAME-walk.log" 2>&1
status=$?
grep -v '^dbus-daemon' "$ARTIFACTS/$E2E_NAME-walk.log" >&2
[ "$status" -eq 0 ] || { screenshot failed; fail "the screen-reader walk failed"; }
