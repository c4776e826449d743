#!/usr/bin/env bash
# The whole way through without the mouse: entries, Calculate, the tabs, the report
# with saving, Back, File > Exit and the support screen's Exit, by keyboard alone.
#
# Xvfb has no window manager, so nothing gives a newly shown or uncovered window the
# keyboard focus; focus_window does that job (as a window manager would when a window
# appears or a dialog closes). It is no mouse action: the pointer never moves.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

pointer_at_start=$(xdotool getmouselocation --shell | grep -E '^(X|Y)=' | tr '\n' ' ')

app_start
main=$(only_window MainWindow)
focus_window "$main"

# The name box has the focus at start. Dawa Norbu, female, 9 November 2001.
type_text "Dawa Norbu"
key Tab                    # to Male
key space                  # Male
key Right                  # Female (the arrow moves the choice along)
key Tab                    # month list
key --repeat 10 Down       # January -> November
key Tab                    # day list
key --repeat 8 Down        # 1 -> 9
key Tab                    # year list
key End                    # 2030
key --repeat 29 Up         # 2030 -> 2001
screenshot entries
key alt+a                  # Get My Tibetan &Astrology Result

result=$(only_window ResultWindow)
focus_window "$result"
page=$(result_page_region "$result")
wait_painted "$result" "$page" "$E2E_TMP/tab1.png"

# Tab reaches the tab strip; the arrow keys turn the pages.
tab_to "$result" "$(result_region "$result" "${RESULT_TAB_ROW[@]}")" "the tab strip"
key Right
wait_region_differs "$result" "$page" "$E2E_TMP/tab1.png" "$E2E_TMP/tab2.png" "page of tab 2 (Right)"
screenshot tab2
key Right
wait_region_differs "$result" "$page" "$E2E_TMP/tab2.png" "$E2E_TMP/tab3.png" "page of tab 3 (Right)"
screenshot tab3
key Left Left
wait_region_equals "$result" "$page" "$E2E_TMP/tab1.png" "page of tab 1 (Left, Left)"

# Tab on to "Save", Space opens the report.
tab_to "$result" "$(result_region "$result" "${RESULT_SAVE_BUTTON[@]}")" "the Save button"
key space
report=$(wait_role ReportWindow)
wait_windows ResultWindow ReportWindow
focus_window "$report"
screenshot report

# Alt+S saves through the file dialog, typed path, Enter.
open_save_dialog "$report" alt+s >/dev/null
type_text "$WORK/dawa"
key Return
wait_gone fileDialog
wait_file "$WORK/dawa.tib"
reading_file_bytes "Dawa Norbu" Female 9 November 2001 >"$E2E_TMP/expected.tib"
assert_same_bytes "$WORK/dawa.tib" "$E2E_TMP/expected.tib" "reading saved by keyboard"

# Escape closes the report; File > Back returns to a fresh main window.
focus_window "$report"
key Escape
wait_windows ResultWindow
focus_window "$result"
key alt+f
key b
main=$(only_window MainWindow)
screenshot main-again

# File > Exit: the support screen alone.
focus_window "$main"
key alt+f
key x
support=$(only_window SupportScreen)
focus_window "$support"
screenshot support-screen

# Tab to its Exit button, Space: the program ends.
tab_to "$support" "$(printf '%sx%s+%s+%s' "${SUPPORT_EXIT_BUTTON[2]}" "${SUPPORT_EXIT_BUTTON[3]}" \
    "${SUPPORT_EXIT_BUTTON[0]}" "${SUPPORT_EXIT_BUTTON[1]}")" "the Exit button"
key space
wait_exit "$APP_PID"
assert_eq "$APP_STATUS" 0 "exit status of the program"
wait_windows

# No link was set off on the way, and the mouse was not used.
assert_no_browser
assert_eq "$(xdotool getmouselocation --shell | grep -E '^(X|Y)=' | tr '\n' ' ')" "$pointer_at_start" "pointer position"
