#!/usr/bin/env bash
# Under a file size limit of 0 (`ulimit -f 0`) the program starts, although its first
# start stores a date, and a save fails with the usual message instead of ending it.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

app_start bash -c 'ulimit -f 0 && exec "$0"'
main=$(only_window MainWindow)
app_running || fail "the program ended at start under the file size limit"

enter_person "$main" Anna Female 7 March 1984
result=$(calculate "$main")
report=$(open_report "$result")
open_save_dialog "$report" >/dev/null
type_text "$WORK/anna"
key Return
box=$(wait_role messageBox)
wait_windows ResultWindow ReportWindow messageBox
screenshot save-failed
app_running || fail "the program ended when the save met the file size limit"
[ ! -s "$WORK/anna.tib" ] || fail "a reading was written past the file size limit"
focus_window "$box"
key Return
wait_windows ResultWindow ReportWindow
app_running || fail "the program ended after the message"
