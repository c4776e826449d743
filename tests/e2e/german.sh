#!/usr/bin/env bash
# The main flow on a German desktop (LANG=de_DE.UTF-8): the windows keep the size they
# have in English, so no German text pushes a control aside; the German access keys
# and Qt's German buttons work; the saved reading file is the one English writes.
# Which texts are German is checked window by window in tests/translations/tst_german.cpp;
# here the screenshots show them.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

GERMAN=("LANG=de_DE.UTF-8" "LC_ALL=de_DE.UTF-8" "LANGUAGE=de_DE:de")

# The English sizes, and the English main window's picture.
app_start
main=$(only_window MainWindow)
wait_painted "$main" "$(window_size "$main" | tr ' ' x)+0+0" "$E2E_TMP/main-english.png"
main_size=$(window_size "$main")
enter_person "$main" Anna Female 20 January 1984
result=$(calculate "$main")
result_size=$(window_size "$result")
app_stop

app_start "${GERMAN[@]}"
main=$(only_window MainWindow)
assert_eq "$(window_size "$main")" "$main_size" "size of the German main window"
wait_painted "$main" "$(tr ' ' x <<<"$main_size")+0+0" "$E2E_TMP/main-german.png"
[ "$(pixels_differing "$E2E_TMP/main-german.png" "$E2E_TMP/main-english.png")" -gt 1000 ] \
    || fail "the main window looks the same under LANG=de_DE.UTF-8 as in English"
screenshot main-window
enter_person "$main" Anna Female 20 January 1984
result=$(calculate "$main")
assert_eq "$(window_size "$result")" "$result_size" "size of the German result window"
page_region=$(result_page_region "$result")
wait_painted "$result" "$page_region" "$E2E_TMP/tab1.png"
screenshot result-tab1
click_result "$result" "${RESULT_TAB2[@]}"
wait_region_differs "$result" "$page_region" "$E2E_TMP/tab1.png" "$E2E_TMP/tab2.png" "page of tab 2"
screenshot result-tab2
click_result "$result" "${RESULT_TAB3[@]}"
wait_region_differs "$result" "$page_region" "$E2E_TMP/tab2.png" "$E2E_TMP/tab3.png" "page of tab 3"
screenshot result-tab3

# The report, saved through Qt's German file dialog; saving again under the same name
# is answered with Qt's German "&Ja".
reading_file_bytes Anna Female 20 January 1984 >"$E2E_TMP/expected.tib"
for attempt in first again; do
    report=$(open_report "$result")
    wait_painted "$report" "$(window_size "$report" | tr ' ' x)+0+0" "$E2E_TMP/report.png"
    [ "$attempt" = first ] && screenshot report-window
    open_save_dialog "$report" alt+s >/dev/null    # &Speichern
    [ "$attempt" = first ] && screenshot save-dialog
    type_text "$WORK/anna"
    key Return
    if [ "$attempt" = again ]; then
        box=$(wait_role messageBox)
        screenshot replace-question
        : >"$WORK/anna.tib"          # emptied, so that only the replacement refills it
        focus_window "$box"
        key j                      # &Ja
    fi
    wait_gone fileDialog
    wait_same_bytes "$WORK/anna.tib" "$E2E_TMP/expected.tib" "reading saved under German ($attempt)"
    focus_window "$report"
    key Escape
    wait_windows ResultWindow
done

# Datei > Beenden leaves the result window for the support screen.
focus_window "$result"
key alt+d
key b
support=$(only_window SupportScreen)
screenshot support-screen
focus_window "$support"
key alt+b                          # &Beenden
wait_exit "$APP_PID"
assert_eq "$APP_STATUS" 0 "exit status"
