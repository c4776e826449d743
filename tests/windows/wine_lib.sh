# Helpers for driving the Windows program under Wine, on top of tests/e2e/lib.sh.
#
# Wine gives its windows no WM_WINDOW_ROLE, so list_windows is replaced here: it names
# each visible window of the program by its title and size, with the names the Linux
# tests use (MainWindow, ResultWindow, ReportWindow, SupportScreen, AboutBox, fileDialog,
# messageBox). lib.sh's wait_role, wait_windows and only_window then work unchanged.
# Wine waits for a window manager to confirm each window it hides, two seconds when
# there is none; Openbox is one. It draws the frames, so that a Wine window's own X
# window is its client area, as a Qt window's is on Linux.
# shellcheck shell=bash

WINDOW_CAPTION="Zarvo Tibetan Astrology v2.20"   # the program's own windows
BOX_TITLE="Zarvo Tibetan Astrology"              # message boxes and the save dialog
OPEN_TITLE="Select the source file"              # the open dialog
MAIN_HEIGHT_LINUX=422                            # MAIN_* are measured in a window this high

# wine_init: a private Wine prefix in the test's folder, ready for use. Its processes
# end with the test.
wine_init() {
    WINEPREFIX="$E2E_TMP/wine"
    WINE_ENV=("DISPLAY=$DISPLAY" "HOME=$E2E_TMP/home" "USER=$(id -un)" "PATH=$E2E_TMP/bin:/usr/bin:/bin"
        "WINEPREFIX=$WINEPREFIX" "WINEDEBUG=-all" "LANG=C.UTF-8" "XDG_RUNTIME_DIR=$RUNTIME_DIR"
        "XDG_CONFIG_HOME=$CONFIG_HOME" "XDG_DATA_HOME=$E2E_TMP/home/.local/share"
        # No Mono or Gecko prompts; no menu entries or file types on the Linux side.
        "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d")
    trap 'wine_cleanup' EXIT
    command -v openbox >/dev/null || fail "tool missing: openbox"
    # A command given with --startup runs once Openbox manages the windows that come.
    openbox --sm-disable --startup "touch '$E2E_TMP/openbox-ready'" >"$ARTIFACTS/$E2E_NAME-openbox.log" 2>&1 &
    E2E_APP_PIDS+=($!)
    wait_file "$E2E_TMP/openbox-ready"
    log "setting up the Wine prefix"
    wine_run wineboot -i || fail "wineboot failed (see $ARTIFACTS/$E2E_NAME-wine.log)"
    # The Windows user's profile: the one folder under users that is not Public.
    PROFILE=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
    [ -d "$PROFILE/AppData" ] || fail "the Wine prefix has no user profile"
    # Windows ships a Tibetan font (Microsoft Himalaya); the prefix gets Debian's.
    local tibetan=/usr/share/fonts/truetype/tibetan-machine/TibetanMachineUni.ttf
    [ -f "$tibetan" ] || fail "no Tibetan font to install: $tibetan"
    cp "$tibetan" "$WINEPREFIX/drive_c/windows/Fonts/"
}

wine_cleanup() {
    local status=$?
    [ -n "${WINEPREFIX:-}" ] && env -i "${WINE_ENV[@]}" timeout 20 wineserver -k >/dev/null 2>&1
    (exit $status)
    e2e_cleanup
}

# wine_run ARGS...: runs Wine in the foreground (120 s at most); output to the log.
wine_run() {
    (cd "$WORK" && exec env -i "${WINE_ENV[@]}" timeout 120 wine "$@") >>"$ARTIFACTS/$E2E_NAME-wine.log" 2>&1
}

# wine_start ARGS...: starts a Wine program in the background; its pid goes to APP_PID
# (with the path of the .exe, the process is the Windows program itself).
wine_start() {
    local n=${#E2E_APP_PIDS[@]}
    (cd "$WORK" && exec env -i "${WINE_ENV[@]}" wine "$@") >"$ARTIFACTS/$E2E_NAME-app$n.log" 2>&1 &
    APP_PID=$!
    E2E_APP_PIDS+=("$APP_PID")
    log "started wine $*, pid $APP_PID"
}

# wait_pid_gone PID: waits for a process that is not the test's child to end.
wait_pid_gone() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    while app_running "$1"; do
        [ $SECONDS -lt $deadline ] || fail "process $1 still runs after ${E2E_TIMEOUT}s"
        sleep 0.05
    done
    log "process $1 ended"
}

# wine_wait_idle [TIMEOUT]: waits until no Windows process of the prefix runs any more.
wine_wait_idle() {
    env -i "${WINE_ENV[@]}" timeout "${1:-60}" wineserver -w || fail "Windows processes still run after ${1:-60}s"
}

# winpath PATH: the Windows name of a Linux path (Wine's drive Z: is /).
winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

# reg_value KEY [NAME]: the data of a registry value (the key's default value without
# NAME); fails when the key or value does not exist.
reg_value() {
    local out
    if [ $# -eq 1 ]; then
        out=$(cd "$WORK" && env -i "${WINE_ENV[@]}" wine reg query "$1" /ve 2>/dev/null) || return 1
    else
        out=$(cd "$WORK" && env -i "${WINE_ENV[@]}" wine reg query "$1" /v "$2" 2>/dev/null) || return 1
    fi
    tr -d '\r' <<<"$out" | sed -n 's/^    .*    REG_[A-Z_]*    //p' | head -1
}

reg_key_exists() { (cd "$WORK" && env -i "${WINE_ENV[@]}" wine reg query "$1" >/dev/null 2>&1); }

# window_kind ID: the name of a window of the program, from its title and size.
window_kind() {
    local info title width height
    info=$(xwininfo -id "$1" 2>/dev/null) || return 0
    title=$(sed -n 's/^xwininfo: Window id: [0-9a-fx]* "\(.*\)"$/\1/p' <<<"$info")
    width=$(sed -n 's/^ *Width: //p' <<<"$info")
    height=$(sed -n 's/^ *Height: //p' <<<"$info")
    case $title in
        "$WINDOW_CAPTION")
            if [ "$width" -gt 700 ]; then echo SupportScreen
            elif [ "$height" -ge 480 ]; then echo ReportWindow
            elif [ "$width" -ge 500 ]; then echo ResultWindow
            elif xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | grep -q 'window id'; then echo AboutBox
            else echo MainWindow
            fi ;;
        "$BOX_TITLE") if [ "$height" -ge 300 ]; then echo fileDialog; else echo messageBox; fi ;;
        "$OPEN_TITLE") echo fileDialog ;;
        *) echo "?" ;;
    esac
}

# list_windows: "ID NAME" for each visible window of the program (Wine's windows have
# the executable's file name as their X11 class).
list_windows() {
    local id info kind
    for id in $(xdotool search --onlyvisible --class "$APP_CLASS" 2>/dev/null); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        grep -q 'Map State: IsViewable' <<<"$info" || continue
        # Wine's 1x1 helper windows ("Default IME") are no windows of the program's.
        grep -q '^ *Width: 1$' <<<"$info" && continue
        kind=$(window_kind "$id")
        [ -n "$kind" ] && echo "$id $kind"
    done
}

# main_click ID X Y: lib.sh's, for Windows: the menu bar's height under Windows may
# differ from Linux, and the places of MAIN_* below it move with it.
main_click() {
    local width height
    read -r width height <<<"$(window_size "$1")"
    click "$1" "$2" $(($3 + height - MAIN_HEIGHT_LINUX))
}

# wait_reading REFERENCE WHAT: waits until a result window (whichever window that is)
# shows the page in REFERENCE; prints its id.
wait_reading() {
    local deadline=$((SECONDS + E2E_TIMEOUT)) id n=""
    while :; do
        id=$(find_role ResultWindow)
        if [ -n "$id" ]; then
            grab_region "$id" "$(result_page_region "$id")" "$E2E_TMP/reading-now.png" || true
            n=$(pixels_differing "$E2E_TMP/reading-now.png" "$1")
            [ "$n" -le 20 ] && { echo "$id"; return 0; }
        fi
        [ $SECONDS -lt $deadline ] || fail "$2: no result window with the expected page ($n pixels differ)"
        sleep 0.2
    done
}

# shot NAME [ID]: a screenshot into the artefacts; with UPDATE_SCREENSHOTS=1 the window
# ID also goes to docs/screenshots/NAME.png.
shot() {
    screenshot "$1"
    if [ "${UPDATE_SCREENSHOTS:-0}" = 1 ] && [ -n "${2:-}" ]; then
        timeout 10 import -window "$2" "$REPO/docs/screenshots/$1.png" 2>/dev/null || log "could not keep $1"
    fi
}
