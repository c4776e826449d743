#!/usr/bin/env bash
# The forms survive a save in Qt Designer: each is opened in the real Designer on a
# private Xvfb display and saved with Ctrl+S, and uic must make the same code from the
# saved form as from the original. (A form that Designer rewrites, say a control whose
# name it takes from an overriding property, fails here before it breaks the build.)
# Arguments: designer, uic, artefacts folder, forms...
source "$(dirname "$0")/../e2e/lib.sh"
DESIGNER=${1:?designer missing}
UIC=${2:?uic missing}
e2e_init "$DESIGNER" "${3:?artefacts folder missing}"
shift 3
[ $# -gt 0 ] || fail "no forms given"

for form in "$@"; do
    name=$(basename "$form")
    copy="$WORK/$name"
    cp "$form" "$copy"
    touch -d '2000-01-01' "$copy"
    before=$(stat -c %Y "$copy")
    (cd "$WORK" && exec env HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$CONFIG_HOME" XDG_RUNTIME_DIR="$RUNTIME_DIR" \
        DISPLAY="$DISPLAY" "$DESIGNER" "$copy") >"$ARTIFACTS/$E2E_NAME-$name.log" 2>&1 &
    pid=$!
    E2E_APP_PIDS+=("$pid")
    deadline=$((SECONDS + E2E_TIMEOUT))
    window=""
    until [ -n "$window" ]; do
        [ $SECONDS -lt $deadline ] || fail "$name: Designer showed no window"
        sleep 0.1
        window=$(xdotool search --onlyvisible --pid "$pid" --name 'Qt Designer' 2>/dev/null | head -1)
    done
    focus_window "$window"
    # Saved once the form is loaded: Designer names it in its title then.
    deadline=$((SECONDS + E2E_TIMEOUT))
    while [ "$(stat -c %Y "$copy")" = "$before" ]; do
        [ $SECONDS -lt $deadline ] || fail "$name: Designer did not save the form"
        key ctrl+s
        sleep 0.5
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    "$UIC" "$form" >"$E2E_TMP/original.h" || fail "$name: uic rejects the form"
    "$UIC" "$copy" >"$E2E_TMP/saved.h" || fail "$name: uic rejects the form Designer saved"
    if ! diff -u "$E2E_TMP/original.h" "$E2E_TMP/saved.h" >"$ARTIFACTS/$E2E_NAME-$name.diff"; then
        cp "$copy" "$ARTIFACTS/$E2E_NAME-$name"
        fail "$name: Designer's save changes the code uic makes (see $ARTIFACTS/$E2E_NAME-$name.diff)"
    fi
    log "$name: saved by Designer, same code"
done
