#!/usr/bin/env bash
# Saving a reading from the report window, reopening it from the main window, saving
# it again (the same reading comes back, so the two files are the same), saving over
# an existing file (asked first), and refusing a file whose name ends in upper-case
# ".TIB".
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

saved="$WORK/saved"
mkdir -p "$saved"

app_start
main=$(only_window MainWindow)

enter_person "$main" "José Müller" Female 14 July 1975
screenshot entries
result=$(calculate "$main")
wait_painted "$result" "$(result_page_region "$result")" "$E2E_TMP/first-reading.png"

# close_report: the report window stays open after saving; Escape closes it.
close_report() {
    wait_windows ResultWindow ReportWindow
    focus_window "$REPORT"
    key Escape
    wait_windows ResultWindow
}

# save_reading PATH-AS-TYPED: saves the reading from a report window under the typed
# path; sets REPORT.
save_reading() {
    REPORT=$(open_report "$result")
    save_reading_as "$REPORT" "$1" save-dialog
    close_report
}

# A name typed without extension gets ".tib".
save_reading "$saved/jose"
wait_file "$saved/jose.tib"
assert_eq "$(ls "$saved")" "jose.tib" "files in the folder after saving"

# Five lines, each character's code plus 60; é and ü are written as "&#233;" and "&#252;".
reading_file_bytes "José Müller" Female 14 July 1975 >"$E2E_TMP/expected.tib"
assert_same_bytes "$saved/jose.tib" "$E2E_TMP/expected.tib" "saved reading"

# Back to a fresh main window, then open the file again.
click_result "$result" "${RESULT_BACK[@]}"
main2=$(only_window MainWindow)
[ "$main2" != "$main" ] || fail "Back showed the old main window instead of a new one"
click "$main2" "${MAIN_OPEN[@]}"
dialog=$(wait_role fileDialog)
screenshot open-dialog
focus_window "$dialog"
type_text "$saved/jose.tib"
key Return
result=$(only_window ResultWindow)
screenshot reopened
# The reopened reading looks exactly like the first one.
wait_region_equals "$result" "$(result_page_region "$result")" "$E2E_TMP/first-reading.png" "reopened reading"

# Saving the reopened reading gives the same file.
save_reading "$saved/again.tib"
wait_file "$saved/again.tib"
assert_same_bytes "$saved/again.tib" "$saved/jose.tib" "reading saved after reopening"

# Saving over an existing file asks first: "No" leaves the file as it was and the
# dialog open; "Yes" replaces the file.
printf 'earlier\r\n' >"$saved/old.tib"
cp "$saved/old.tib" "$E2E_TMP/old.tib"
REPORT=$(open_report "$result")
DIALOG=$(open_save_dialog "$REPORT")
type_text "$saved/old"
key Return
box=$(wait_role messageBox)
wait_windows ResultWindow ReportWindow fileDialog messageBox
screenshot replace-question
focus_window "$box"
key Escape
wait_windows ResultWindow ReportWindow fileDialog
assert_same_bytes "$saved/old.tib" "$E2E_TMP/old.tib" "file kept after answering No"
focus_window "$DIALOG"
key Return
box=$(wait_role messageBox)
focus_window "$box"
key y
wait_gone fileDialog
wait_same_bytes "$saved/old.tib" "$saved/jose.tib" "file replaced after answering Yes"
close_report

# A name ending in upper-case "TIB" is refused with a message; no reading opens.
cp "$saved/jose.tib" "$saved/UPPER.TIB"
click_result "$result" "${RESULT_BACK[@]}"
main3=$(only_window MainWindow)
click "$main3" "${MAIN_OPEN[@]}"
dialog=$(wait_role fileDialog)
focus_window "$dialog"
type_text "$saved/UPPER.TIB"
key Return
box=$(wait_role messageBox)
wait_windows MainWindow messageBox
screenshot upper-case-extension
focus_window "$box"
key Return
wait_windows MainWindow
assert_eq "$(find_role MainWindow)" "$main3" "main window after the refused file"
assert_no_browser
