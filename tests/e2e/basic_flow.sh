#!/usr/bin/env bash
# A reading from start to end with mouse and keyboard: enter the birth data,
# calculate, look through the three tabs, open the report, go back, leave the main
# window and end the program from the support screen.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
command -v xclip >/dev/null || fail "tool missing: xclip"

app_start
main=$(only_window MainWindow)
screenshot main-window

# Name, sex and date of birth; then the result window alone remains.
enter_person "$main" "Tashi Dolma" Female 25 March 1984
screenshot entries
result=$(calculate "$main")
screenshot result-tab1
page_region=$(result_page_region "$result")
wait_painted "$result" "$page_region" "$E2E_TMP/tab1.png"

# Each tab brings its own page to the front; the first tab brings back the first page.
click_result "$result" "${RESULT_TAB2[@]}"
wait_region_differs "$result" "$page_region" "$E2E_TMP/tab1.png" "$E2E_TMP/tab2.png" "page of tab 2"
screenshot result-tab2
click_result "$result" "${RESULT_TAB3[@]}"
wait_region_differs "$result" "$page_region" "$E2E_TMP/tab2.png" "$E2E_TMP/tab3.png" "page of tab 3"
[ "$(pixels_differing "$E2E_TMP/tab1.png" "$E2E_TMP/tab3.png")" -gt 1000 ] \
    || fail "tab 3 shows the same page as tab 1"
screenshot result-tab3
click_result "$result" "${RESULT_TAB1[@]}"
wait_region_equals "$result" "$page_region" "$E2E_TMP/tab1.png" "page of tab 1 again"

# "Save" opens the report window over the result window; Escape closes it.
report=$(open_report "$result")
wait_windows ResultWindow ReportWindow
screenshot report-window

# A click on the report empties the clipboard and the primary selection, also when
# another program holds them.
for selection in clipboard primary; do
    printf 'held elsewhere' | xclip -selection "$selection" -i
    assert_eq "$(xclip -selection "$selection" -o 2>/dev/null)" "held elsewhere" "$selection before the click"
done
click "$report" 250 200
for selection in clipboard primary; do
    deadline=$((SECONDS + E2E_TIMEOUT))
    while [ -n "$(xclip -selection "$selection" -o 2>/dev/null)" ]; do
        [ $SECONDS -lt $deadline ] || fail "the $selection selection still holds text after a click on the report"
        sleep 0.05
    done
done
focus_window "$report"
key Escape
wait_windows ResultWindow

# Back: a fresh main window and nothing else.
click_result "$result" "${RESULT_BACK[@]}"
main2=$(only_window MainWindow)
screenshot main-window-again

# Help > About Software shows the about box; Enter closes it like OK and opens no page.
focus_window "$main2"
key alt+h
key a
about=$(wait_role AboutBox)
screenshot about-box
focus_window "$about"
key Return
wait_windows MainWindow

# File > Exit closes the main window; only the support screen is left.
focus_window "$main2"
key alt+f
key x
support=$(only_window SupportScreen)
screenshot support-screen

# Its Exit button ends the program.
click "$support" "${SUPPORT_EXIT[@]}"
wait_exit "$APP_PID"
assert_eq "$APP_STATUS" 0 "exit status of the program"
wait_windows
assert_no_browser
