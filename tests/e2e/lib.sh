# Shared helpers for the end-to-end tests: each test drives the real program on a
# private Xvfb display, as a user would, with keyboard and mouse through xdotool.
#
# A test script starts with
#     source "$(dirname "$0")/lib.sh"
#     e2e_init "$@"          # arguments: program path, artefacts folder
# and then uses app_start, wait_windows, focus_window, click, key, ... below.
# Everything it started is stopped by the EXIT trap.
# shellcheck shell=bash disable=SC2034

set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/reading_file.sh"

E2E_TIMEOUT=${E2E_TIMEOUT:-15}   # seconds for one wait, unless a call says otherwise

E2E_NAME=$(basename "$0" .sh)
E2E_TMP=""
BROWSER_PIDS=""
E2E_XVFB_PID=""
E2E_APP_PIDS=()
E2E_SHOT_NO=0
APP_PID=""

log() { printf '[%s %s] %s\n' "$E2E_NAME" "$(date +%H:%M:%S.%N | cut -c1-12)" "$*" >&2; }

# e2e_init PROGRAM [ARTEFACTS]: checks the tools, makes the temporary folders, starts
# the display and installs the cleanup.
e2e_init() {
    PROGRAM=${1:?program path missing}
    APP_CLASS=$(basename "$PROGRAM")
    # E2E_ARTIFACTS from the environment wins over the folder CMake passes.
    ARTIFACTS=${E2E_ARTIFACTS:-${2:-$(pwd)/e2e-artifacts}}
    [ -x "$PROGRAM" ] || { echo "FAIL: program not found or not executable: $PROGRAM" >&2; exit 1; }
    local tool
    for tool in Xvfb xdotool xprop xwininfo xkbcomp import compare convert; do
        command -v "$tool" >/dev/null || { echo "FAIL: tool missing: $tool" >&2; exit 1; }
    done
    mkdir -p "$ARTIFACTS"
    ARTIFACTS=$(cd "$ARTIFACTS" && pwd)
    rm -f "$ARTIFACTS/$E2E_NAME"-*
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-e2e-$E2E_NAME.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    # fail() inside $(...) runs in a subshell; it tells the test's own shell this way.
    trap 'exit 1' USR1
    mkdir -p "$E2E_TMP/config" "$E2E_TMP/home" "$E2E_TMP/work" "$E2E_TMP/bin" "$E2E_TMP/runtime"
    chmod 700 "$E2E_TMP/runtime"
    CONFIG_HOME="$E2E_TMP/config"
    RUNTIME_DIR="$E2E_TMP/runtime"
    WORK="$E2E_TMP/work"
    BROWSER_LOG="$E2E_TMP/browser.log"
    BROWSER_PIDS="$E2E_TMP/browser.pids"
    : >"$BROWSER_LOG"
    make_browser
    start_display
}

# make_browser [stays]: no real browser; whatever the program opens is only written
# down. With "stays" the stand-in then keeps running, as a real browser does after
# the program has ended, until the test ends (its pids go to BROWSER_PIDS).
make_browser() {
    local opener last=""
    [ "${1:-}" = stays ] && last="echo \$\$ >>'$BROWSER_PIDS'; exec sleep 600"
    for opener in xdg-open browser; do
        cat >"$E2E_TMP/bin/$opener" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$BROWSER_LOG"
$last
EOF
        chmod +x "$E2E_TMP/bin/$opener"
    done
}

# start_display: a private Xvfb; -displayfd lets the server pick a free number itself.
start_display() {
    local fdfile="$E2E_TMP/display-number" deadline=$((SECONDS + E2E_TIMEOUT)) number=""
    : >"$fdfile"
    Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9>"$fdfile" \
        >"$ARTIFACTS/$E2E_NAME-xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    while [ $SECONDS -lt $deadline ]; do
        number=$(tr -dc '0-9' <"$fdfile")
        if [ -n "$number" ] && grep -q $'\n' "$fdfile" && [ -S "/tmp/.X11-unix/X$number" ]; then
            break
        fi
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || { echo "FAIL: Xvfb ended at start" >&2; exit 1; }
        number=""
        sleep 0.05
    done
    [ -n "$number" ] || { echo "FAIL: Xvfb gave no display within ${E2E_TIMEOUT}s" >&2; exit 1; }
    export DISPLAY=":$number"
    log "display $DISPLAY"
    add_keysyms eacute Eacute udiaeresis Udiaeresis
}

# add_keysyms KEYSYM...: puts the keysyms on free keys of the display's keyboard.
# xdotool types a character that no key has by remapping a key for a moment; a busy
# program may read that key press after the remapping has been undone and lose the
# character. Characters on keys of their own always arrive.
add_keysyms() {
    local dump="$E2E_TMP/keymap.xkb" symbols name n lines=""
    xkbcomp -xkb "$DISPLAY" "$dump" 2>/dev/null || { echo "FAIL: cannot read the keyboard map" >&2; exit 1; }
    symbols=$(awk '/^xkb_symbols/,/^};/' "$dump")
    for ((n = 255; n >= 200 && $# > 0; n--)); do
        name=$(awk '/^xkb_keycodes/,/^};/' "$dump" | sed -n "s/^[[:space:]]*<\([A-Za-z0-9_+-]*\)>[[:space:]]*=[[:space:]]*$n;.*/\1/p" | head -1)
        [ -n "$name" ] || continue
        grep -q "<$name>" <<<"$symbols" && continue
        lines+="    key <$name> { [ $1 ] };"$'\n'
        shift
    done
    [ $# -eq 0 ] || { echo "FAIL: no free key for: $*" >&2; exit 1; }
    # The new keys go just before the end of the symbols section.
    awk -v add="$lines" '/^xkb_symbols/ {in_symbols = 1}
        in_symbols && /^};/ {printf "%s", add; in_symbols = 0}
        {print}' "$dump" >"$dump.new"
    xkbcomp -w0 "$dump.new" "$DISPLAY" 2>/dev/null || { echo "FAIL: cannot load the keyboard map" >&2; exit 1; }
}

e2e_cleanup() {
    local status=$?
    local pid
    for pid in "${E2E_APP_PIDS[@]}"; do
        kill -9 "$pid" 2>/dev/null
    done
    if [ -n "$E2E_TMP" ] && [ -f "$BROWSER_PIDS" ]; then
        while read -r pid; do
            kill "$pid" 2>/dev/null
        done <"$BROWSER_PIDS"
    fi
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
    if [ $status -eq 0 ]; then
        log "PASS"
    elif [ $status -ne 77 ]; then
        log "FAILED (exit $status); screenshots and logs in $ARTIFACTS/$E2E_NAME-*"
    fi
    exit $status
}

# ---------------------------------------------------------------------------
# The program

# app_start [VAR=VALUE ...] [-- ARGUMENT ...]: starts one instance with a clean
# environment; its pid goes to APP_PID. Output goes to the artefacts folder.
app_start() {
    local n=${#E2E_APP_PIDS[@]}
    local -a settings=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        settings+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    local -a environment=(
        "DISPLAY=$DISPLAY" "HOME=$E2E_TMP/home" "PATH=$E2E_TMP/bin:/usr/bin:/bin"
        "XDG_CONFIG_HOME=$CONFIG_HOME" "XDG_RUNTIME_DIR=$RUNTIME_DIR"
        "BROWSER=$E2E_TMP/bin/browser" "LANG=C.UTF-8" "LC_ALL=C.UTF-8"
        "QT_QPA_PLATFORM=xcb")
    [ -n "${TZ:-}" ] && environment+=("TZ=$TZ")
    (cd "$WORK" && exec env -i "${environment[@]}" "${settings[@]}" "$PROGRAM" "$@") \
        >"$ARTIFACTS/$E2E_NAME-app$n.log" 2>&1 &
    APP_PID=$!
    E2E_APP_PIDS+=("$APP_PID")
    log "started the program, pid $APP_PID"
}

app_running() { kill -0 "${1:-$APP_PID}" 2>/dev/null; }

# wait_exit PID [TIMEOUT]: waits for the process to end; fails on timeout. Sets APP_STATUS.
wait_exit() {
    local pid=$1 timeout=${2:-$E2E_TIMEOUT}
    local deadline=$((SECONDS + timeout))
    while app_running "$pid"; do
        [ $SECONDS -lt $deadline ] || fail "process $pid still runs after ${timeout}s"
        sleep 0.05
    done
    wait "$pid" 2>/dev/null
    APP_STATUS=$?
    log "process $pid ended with status $APP_STATUS"
}

# app_stop [PID]: ends an instance without going through its windows.
app_stop() {
    local pid=${1:-$APP_PID}
    kill "$pid" 2>/dev/null
    wait_exit "$pid"
}

# ---------------------------------------------------------------------------
# Windows. Every window of the program sets WM_WINDOW_ROLE to its name.

# window_role ID: the role of a window, empty if it has none or is gone.
window_role() {
    xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/^WM_WINDOW_ROLE(STRING) = "\(.*\)"$/\1/p'
}

window_pid() {
    xprop -id "$1" _NET_WM_PID 2>/dev/null | sed -n 's/^_NET_WM_PID(CARDINAL) = \([0-9]*\)$/\1/p'
}

# list_windows: "ID ROLE" for each visible window of the program (found by its X11
# class, the executable's name); a window without a role (a menu or list popup, a
# dialog of Qt's own) shows as "?".
list_windows() {
    local id role
    for id in $(xdotool search --onlyvisible --class "$APP_CLASS" 2>/dev/null); do
        # A window can go away between the search and xprop; only what is left counts.
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || continue
        # A tooltip comes and goes with the pointer; it is no window of the program's.
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_TOOLTIP' && continue
        role=$(window_role "$id")
        echo "$id ${role:-?}"
    done
}

# visible_roles: the roles of the visible windows, sorted, on one line.
visible_roles() { list_windows | awk '{print $2}' | sort | tr '\n' ' ' | sed 's/ $//'; }

# find_role ROLE: the id of a visible window with this role (empty if none).
find_role() { list_windows | awk -v r="$1" '$2 == r {print $1; exit}'; }

# wait_role ROLE [TIMEOUT]: waits until a window with ROLE is visible and prints its id.
wait_role() {
    local role=$1 timeout=${2:-$E2E_TIMEOUT} id
    local deadline=$((SECONDS + timeout))
    while :; do
        id=$(find_role "$role")
        [ -n "$id" ] && { echo "$id"; return 0; }
        [ $SECONDS -lt $deadline ] || fail "no window '$role' appeared within ${timeout}s (visible: $(visible_roles))"
        sleep 0.05
    done
}

# wait_gone ROLE [TIMEOUT]: waits until no window with ROLE is visible.
wait_gone() {
    local role=$1 timeout=${2:-$E2E_TIMEOUT}
    local deadline=$((SECONDS + timeout))
    while [ -n "$(find_role "$role")" ]; do
        [ $SECONDS -lt $deadline ] || fail "window '$role' still visible after ${timeout}s (visible: $(visible_roles))"
        sleep 0.05
    done
}

# wait_windows ROLE... : waits until exactly these windows are visible (nothing else;
# no argument means no window at all).
wait_windows() {
    local want timeout=$E2E_TIMEOUT now
    want=$(printf '%s\n' "$@" | sed '/^$/d' | sort | tr '\n' ' ' | sed 's/ $//')
    local deadline=$((SECONDS + timeout))
    while :; do
        now=$(visible_roles)
        if [ "$now" = "$want" ]; then
            return 0
        fi
        [ $SECONDS -lt $deadline ] || fail "expected exactly [${want}] visible, but after ${timeout}s: [${now}]"
        sleep 0.05
    done
}

# only_window ROLE: waits until ROLE is the only visible window and prints its id.
only_window() {
    wait_windows "$1"
    find_role "$1"
}

window_size() {  # window_size ID -> "W H"
    xdotool getwindowgeometry "$1" | sed -n 's/^ *Geometry: \([0-9]*\)x\([0-9]*\)$/\1 \2/p'
}

# focus_window ID: gives the window the keyboard focus (the job of a window manager,
# which Xvfb lacks) and waits until the server reports it.
focus_window() {
    local id=$1 deadline=$((SECONDS + E2E_TIMEOUT))
    xdotool windowfocus --sync "$id" 2>/dev/null
    while [ "$(xdotool getwindowfocus 2>/dev/null)" != "$id" ]; do
        [ $SECONDS -lt $deadline ] || fail "window $id ($(window_role "$id")) did not get the focus"
        xdotool windowfocus --sync "$id" 2>/dev/null
        sleep 0.05
    done
}

# wait_focus ID WHAT: waits until the window has the keyboard focus without anyone
# giving it (for a window that must take the focus itself).
wait_focus() {
    local id=$1 deadline=$((SECONDS + E2E_TIMEOUT))
    until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ]; do
        [ $SECONDS -lt $deadline ] || fail "$2 did not take the keyboard focus within ${E2E_TIMEOUT}s"
        sleep 0.05
    done
}

# click ID X Y: a left click at a point inside the window.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# key KEY...: key presses (xdotool names: Tab, Return, alt+f, ...) to the focused window.
key() { xdotool key --delay 40 "$@"; }

# type_text TEXT: types text (any Unicode) into the focused window.
type_text() { xdotool type --delay 30 -- "$1"; }

# ---------------------------------------------------------------------------
# Places of controls, in pixels inside their windows (the layout under Xvfb with the
# project's fonts). The result window's places are given in its client area, below
# the menu bar; click_result adds the menu bar's height.

MAIN_NAME=(280 163)
MAIN_MALE=(120 193)
MAIN_FEMALE=(266 193)
MAIN_CALCULATE=(240 260)
MAIN_OPEN=(240 316)

RESULT_CLIENT_HEIGHT=327           # the window's height without the menu bar
RESULT_TAB1=(60 50)
RESULT_TAB2=(180 50)
RESULT_TAB3=(305 50)
RESULT_SAVE=(423 289)
RESULT_BACK=(485 289)

RESULT_TAB_ROW=(0 40 520 20)      # x y width height
RESULT_SAVE_BUTTON=(395 277 57 25)

REPORT_SAVE=(397 449)
REPORT_PRINT=(474 449)

SUPPORT_EXIT=(441 196)
SUPPORT_EXIT_BUTTON=(400 184 83 25)

# menu_bar_height ID: the height of the result window's menu bar.
menu_bar_height() {
    local width height
    read -r width height <<<"$(window_size "$1")"
    echo $((height - RESULT_CLIENT_HEIGHT))
}

# click_result ID X Y: a click at a point of the result window's client area.
click_result() {
    click "$1" "$2" $(($3 + $(menu_bar_height "$1")))
}

# result_region ID X Y W H: a rectangle of the result window's client area as a
# geometry in window coordinates.
result_region() {
    echo "$4x$5+$2+$(($3 + $(menu_bar_height "$1")))"
}

# result_page_region ID: the rectangle of the tab pages (WxH+X+Y, window coordinates).
result_page_region() {
    echo "520x200+0+$((62 + $(menu_bar_height "$1")))"
}

# ---------------------------------------------------------------------------
# A reading as a user makes and saves one

MONTHS=(January February March April May June July August September October November December)

# main_click ID X Y: a click at one of the MAIN_* places of the main window
# (tests/windows/wine_lib.sh moves them by the height of the Windows menu bar).
main_click() { click "$@"; }

# key_down N: N presses of Down (none for 0), as a list moves N entries on.
key_down() {
    if [ "$1" -gt 0 ]; then
        key --repeat "$1" Down
    fi
}

# enter_person MAIN NAME SEX [DAY MONTH YEAR]: types the name into the main window,
# chooses the sex (Male or Female) and, when given, the date of birth (MONTH by its
# English name). The lists are driven by keyboard from where a fresh main window has
# them, 1 January 1930.
enter_person() {
    local main=$1 name=$2 sex=$3 day=${4:-} month=${5:-} year=${6:-} m
    local -a sex_place
    case $sex in
        Male) sex_place=("${MAIN_MALE[@]}") ;;
        Female) sex_place=("${MAIN_FEMALE[@]}") ;;
        *) fail "enter_person: the sex is Male or Female, not '$sex'" ;;
    esac
    main_click "$main" "${MAIN_NAME[@]}"
    focus_window "$main"
    type_text "$name"
    main_click "$main" "${sex_place[@]}"
    [ -n "$day" ] || return 0
    for ((m = 0; m < 12; m++)); do
        [ "${MONTHS[m]}" = "$month" ] && break
    done
    [ $m -lt 12 ] || fail "enter_person: no month '$month'"
    key Tab                                    # month list
    key_down $m
    key Tab                                    # day list
    key_down $((day - 1))
    key Tab                                    # year list
    key_down $((year - 1930))
}

# calculate MAIN: the Calculate button; waits until the result window is the only window
# and prints its id.
calculate() {
    main_click "$1" "${MAIN_CALCULATE[@]}"
    only_window ResultWindow
}

# open_report RESULT: the result window's "Save"; prints the id of the report window.
open_report() {
    click_result "$1" "${RESULT_SAVE[@]}"
    wait_role ReportWindow
}

# open_save_dialog REPORT [KEY]: the report window's "&Save", clicked, or pressed as the
# access key KEY; waits until the file dialog stands over the result and report windows,
# gives it the keyboard and prints its id.
open_save_dialog() {
    local dialog
    if [ -n "${2:-}" ]; then
        focus_window "$1"
        key "$2"
    else
        click "$1" "${REPORT_SAVE[@]}"
    fi
    dialog=$(wait_role fileDialog)
    wait_windows ResultWindow ReportWindow fileDialog
    focus_window "$dialog"
    echo "$dialog"
}

# save_reading_as REPORT PATH [SHOT]: saves the reading from the report window under PATH
# as typed into the file dialog (the program adds ".tib" where it is missing), with a
# screenshot SHOT of the filled-in dialog if named; waits until the dialog is gone.
save_reading_as() {
    open_save_dialog "$1" >/dev/null
    type_text "$2"
    [ -z "${3:-}" ] || screenshot "$3"
    key Return
    wait_gone fileDialog
}

# ---------------------------------------------------------------------------
# Pictures

# screenshot NAME: the whole screen into the artefacts folder.
screenshot() {
    E2E_SHOT_NO=$((E2E_SHOT_NO + 1))
    local file
    file=$(printf '%s/%s-%02d-%s.png' "$ARTIFACTS" "$E2E_NAME" "$E2E_SHOT_NO" "$1")
    import -window root "$file" 2>/dev/null || log "screenshot $1 failed"
}

# grab_region ID GEOMETRY FILE: a part (WxH+X+Y, window coordinates) of a window.
grab_region() {
    # Bounded: import waits for good, with the server grabbed, on a window that vanishes.
    timeout 10 import -window "$1" -crop "$2" +repage "$3" 2>/dev/null
}

# pixels_differing A B: how many pixels differ between two pictures of equal size.
pixels_differing() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1 >/dev/null) || true
    n=${n%% *}
    case $n in
        '' | *[!0-9.e+]*) echo 999999999 ;;   # not comparable: counts as all different
        *) printf '%.0f\n' "$n" ;;
    esac
}

# wait_painted ID GEOMETRY OUT: waits until a region shows the same picture twice in a
# row (the window has finished painting) and keeps it in OUT.
wait_painted() {
    local id=$1 geometry=$2 out=$3 deadline=$((SECONDS + E2E_TIMEOUT))
    grab_region "$id" "$geometry" "$out.prev" || true
    while :; do
        sleep 0.1
        grab_region "$id" "$geometry" "$out" || true
        [ -f "$out" ] && [ -f "$out.prev" ] && [ "$(pixels_differing "$out" "$out.prev")" -eq 0 ] && break
        [ $SECONDS -lt $deadline ] || fail "window $id did not settle"
        mv -f "$out" "$out.prev" 2>/dev/null || true
    done
    rm -f "$out.prev"
}

# wait_region_differs ID GEOMETRY REFERENCE OUT WHAT: waits until the region differs
# clearly (more than 1000 pixels) from REFERENCE, then keeps its settled picture in OUT.
wait_region_differs() {
    local id=$1 geometry=$2 reference=$3 out=$4 what=$5 deadline=$((SECONDS + E2E_TIMEOUT))
    while :; do
        grab_region "$id" "$geometry" "$out" || true
        [ -f "$out" ] && [ "$(pixels_differing "$out" "$reference")" -gt 1000 ] && break
        [ $SECONDS -lt $deadline ] || fail "$what: the window did not change within ${E2E_TIMEOUT}s"
        sleep 0.1
    done
    wait_painted "$id" "$geometry" "$out"
}

# tab_to ID GEOMETRY WHAT [MAX]: presses Tab until the region (a control) looks
# different from how it looked before the first Tab: the control shows the keyboard
# focus. Fails after MAX presses.
tab_to() {
    local id=$1 geometry=$2 what=$3 max=${4:-16} n
    wait_painted "$id" "$geometry" "$E2E_TMP/tab-to-base.png"
    for ((n = 1; n <= max; n++)); do
        key Tab
        local deadline=$((SECONDS + 2))
        while [ $SECONDS -lt $deadline ]; do
            grab_region "$id" "$geometry" "$E2E_TMP/tab-to-now.png" || true
            if [ "$(pixels_differing "$E2E_TMP/tab-to-now.png" "$E2E_TMP/tab-to-base.png")" -gt 10 ]; then
                log "$what has the focus after $n x Tab"
                wait_painted "$id" "$geometry" "$E2E_TMP/tab-to-now.png"
                return 0
            fi
            sleep 0.1
        done
    done
    fail "$what never showed the keyboard focus in $max presses of Tab"
}

# wait_region_equals ID GEOMETRY REFERENCE WHAT: waits until the region shows REFERENCE
# again (allowing a few pixels for hover highlights).
wait_region_equals() {
    local id=$1 geometry=$2 reference=$3 what=$4 deadline=$((SECONDS + E2E_TIMEOUT)) n=""
    while :; do
        grab_region "$id" "$geometry" "$E2E_TMP/region-now.png" || true
        n=$(pixels_differing "$E2E_TMP/region-now.png" "$reference")
        [ "$n" -le 20 ] && return 0
        [ $SECONDS -lt $deadline ] || fail "$what: still $n pixels differ from the expected picture"
        sleep 0.1
    done
}

# ---------------------------------------------------------------------------
# Assertions

fail() {
    echo "FAIL: $*" >&2
    echo "  visible windows: $(list_windows | tr '\n' ';')" >&2
    screenshot "failure"
    [ "$BASHPID" != "$$" ] && kill -USR1 $$
    exit 1
}

assert_eq() {  # assert_eq ACTUAL EXPECTED WHAT
    [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"
}

assert_file() {  # assert_file PATH WHAT
    [ -f "$1" ] || fail "$2: file $1 does not exist"
}

# wait_file PATH [TIMEOUT]: waits until a file exists.
wait_file() {
    local path=$1 timeout=${2:-$E2E_TIMEOUT}
    local deadline=$((SECONDS + timeout))
    until [ -f "$path" ]; do
        [ $SECONDS -lt $deadline ] || fail "file $path was not written within ${timeout}s"
        sleep 0.05
    done
}

# assert_same_bytes ACTUAL EXPECTED WHAT: compares two files byte by byte; shows both on failure.
assert_same_bytes() {
    if ! cmp -s "$1" "$2"; then
        echo "  expected bytes:" >&2
        od -An -c "$2" >&2
        echo "  actual bytes:" >&2
        od -An -c "$1" >&2
        fail "$3: $1 differs from what was expected"
    fi
}

# wait_content PATH WHAT: waits until a file has something in it and prints it.
wait_content() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until [ -s "$1" ]; do
        [ $SECONDS -lt $deadline ] || fail "$2 within ${E2E_TIMEOUT}s"
        sleep 0.05
    done
    cat "$1"
}

# wait_browser WHAT: waits until a web page has been opened and prints the addresses.
wait_browser() { wait_content "$BROWSER_LOG" "$1: no web page was opened"; }


# wait_same_bytes ACTUAL EXPECTED WHAT [TIMEOUT]: waits until a file holds the expected bytes.
wait_same_bytes() {
    local timeout=${4:-$E2E_TIMEOUT}
    local deadline=$((SECONDS + timeout))
    until cmp -s "$1" "$2"; do
        [ $SECONDS -lt $deadline ] || assert_same_bytes "$1" "$2" "$3"
        sleep 0.05
    done
}

assert_no_browser() {
    [ ! -s "$BROWSER_LOG" ] || fail "a web page was opened unexpectedly: $(tr '\n' ' ' <"$BROWSER_LOG")"
}

