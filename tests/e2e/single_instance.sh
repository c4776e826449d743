#!/usr/bin/env bash
# Only one copy runs at a time: a second start shows only "Application is already
# running" and ends when the message is closed, leaving the first copy as it was. A
# copy that is killed releases its claim, so the next start works normally. A file named
# on the command line goes to the copy that runs, which names it when it cannot open it;
# an address that names no file here is named by the start that got it.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

app_start
first=$APP_PID
main=$(only_window MainWindow)
assert_eq "$(window_pid "$main")" "$first" "process of the main window"
# Some entry in the first copy, to see that it is left alone.
enter_person "$main" "First Copy" Female
wait_painted "$main" "482x422+0+0" "$E2E_TMP/first-before.png"

# The second copy: one message box of its own, no main window.
app_start
second=$APP_PID
box=$(wait_role messageBox)
assert_eq "$(window_pid "$box")" "$second" "process of the message box"
wait_windows MainWindow messageBox
assert_eq "$(find_role MainWindow)" "$main" "main window while the second copy runs"
screenshot already-running
focus_window "$box"
key Return
wait_exit "$second"
assert_eq "$APP_STATUS" 0 "exit status of the second copy"

# The first copy runs on, unchanged.
wait_windows MainWindow
assert_eq "$(find_role MainWindow)" "$main" "main window after the second copy ended"
app_running "$first" || fail "the first copy ended too"
wait_region_equals "$main" "482x422+0+0" "$E2E_TMP/first-before.png" "main window of the first copy"
screenshot first-copy-unchanged

# Killed without any chance to clean up: the next start is not refused.
kill -9 "$first"
wait_exit "$first"
wait_windows
app_start
third=$APP_PID
main3=$(only_window MainWindow)
assert_eq "$(window_pid "$main3")" "$third" "process of the new main window"
screenshot after-kill
app_running "$third" || fail "the new copy ended"

# A browser started from a link does not inherit the claim: it stays open after the
# program has ended, and the next start still works.
make_browser stays
focus_window "$main3"
key alt+d
wait_browser "Donate" >/dev/null
browser=$(wait_content "$BROWSER_PIDS" "the stand-in browser did not start" | head -1)
app_stop "$third"
kill -0 "$browser" 2>/dev/null || fail "the stand-in browser ended with the program"
app_start
fourth=$APP_PID
main4=$(only_window MainWindow)
assert_eq "$(window_pid "$main4")" "$fourth" "process of the main window while the browser runs"
screenshot browser-left-open

# Files named on the command line, handed to the copy that runs: one that cannot be
# opened is named there with the reason; a name whose bytes are no UTF-8 opens.
app_start -- missing.tib
wait_exit "$APP_PID"
box=$(wait_role messageBox)
assert_eq "$(window_pid "$box")" "$fourth" "process of the message about the missing file"
screenshot missing-file-named
focus_window "$box"
key Return
wait_gone messageBox
reading_file_bytes Anna Female 7 July 1984 >"$WORK/anna"$'\xff'".tib"
app_start -- "anna"$'\xff'".tib"
wait_exit "$APP_PID"
result=$(only_window ResultWindow)
assert_eq "$(window_pid "$result")" "$fourth" "process of the reading of a name that is no UTF-8"
# An address that names no file here is named by the start that got it, whether or
# not another copy runs.
app_start -- "http://example.com/anna.tib"
second=$APP_PID
box=$(wait_role messageBox)
assert_eq "$(window_pid "$box")" "$second" "process of the message about an address"
screenshot address-named-by-second-start
focus_window "$box"
key Return
wait_exit "$second"
app_stop "$fourth"
app_start -- "smb://nas/anna.tib"
box=$(wait_role messageBox)
assert_eq "$(window_pid "$box")" "$APP_PID" "process of the message about an address at a first start"
wait_windows MainWindow messageBox
screenshot address-named-at-first-start
