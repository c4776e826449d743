#!/usr/bin/env bash
# The access keys of the main window's buttons work with one press: Alt+O opens the
# dialog for a saved reading, Alt+A calculates.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

app_start
main=$(only_window frmMain)
focus_window "$main"

# Alt+O: "&Open Previously Saved Reading".
key alt+o
dialog=$(wait_role fileDialog 5)
screenshot open-dialog
focus_window "$dialog"
key Escape
wait_windows frmMain

# Alt+A: "Get My Tibetan &Astrology Result" (here with a name and a sex).
focus_window "$main"
click "$main" "${MAIN_NAME[@]}"
type_text "Access Keys"
click "$main" "${MAIN_MALE[@]}"
focus_window "$main"
key alt+a
only_window frmTibetanResult >/dev/null
assert_no_browser
