#!/usr/bin/env bash
# Under tight limits the program shows its window or ends with a message, and never
# sits with no window while it holds the single-instance lock: a memory limit under
# which no thread can be started, and few files open at once (soft and hard).
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

app_start bash -c 'ulimit -v 90000 && exec "$0"'
wait_exit "$APP_PID"
[ "$APP_STATUS" -ne 0 ] || fail "ended with status 0 under the memory limit"
grep -q "raise the limit" "$ARTIFACTS/$E2E_NAME-app0.log" || fail "no word on why it ended"

app_start bash -c "ulimit -n ${E2E_FILES:-16} && exec \"\$0\""
first=$APP_PID
box=$(wait_role messageBox)
screenshot too-few-files
focus_window "$box"
key Return
wait_exit "$first"
[ "$APP_STATUS" -ne 0 ] || fail "ended with status 0 although it could not run"

# With room enough (the hard limit is raised to), the save dialog works; the copies
# that ended left no lock behind.
app_start bash -c 'ulimit -Sn 16 && exec "$0"'
main=$(only_window MainWindow)
enter_person "$main" Anna Female 7 March 1984
report=$(open_report "$(calculate "$main")")
save_reading_as "$report" "$WORK/anna"
wait_file "$WORK/anna.tib"
