#!/usr/bin/env bash
# The access keys work with one press: on the main window Alt+O opens the dialog for a
# saved reading and Alt+A calculates; after File > Exit on the result window, Alt+X on
# the support screen ends the program with no click and no help in giving it the focus.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

app_start
main=$(only_window MainWindow)
focus_window "$main"

# Alt+O: "&Open Previously Saved Reading".
key alt+o
dialog=$(wait_role fileDialog 5)
screenshot open-dialog
focus_window "$dialog"
key Escape
wait_windows MainWindow

# Alt+A: "Get My Tibetan &Astrology Result" (here with a name and a sex).
enter_person "$main" "Access Keys" Male
focus_window "$main"
key alt+a
result=$(only_window ResultWindow)

# File > Exit. The support screen, left alone, must take the keyboard itself; the
# pointer is moved off it, where it could not lend the screen the key presses.
focus_window "$result"
key alt+f
key x
support=$(only_window SupportScreen)
xdotool mousemove 1023 767
wait_focus "$support" "the support screen"
key alt+x
wait_exit "$APP_PID"
assert_eq "$APP_STATUS" 0 "exit status of the program"
wait_windows
assert_no_browser
