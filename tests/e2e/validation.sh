#!/usr/bin/env bash
# Entries that cannot be used: each refusal is one message box over the main window,
# which stays as it is; Enter closes the message. A valid entry afterwards goes through.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

app_start
main=$(only_window MainWindow)

# expect_refusal SHOT: a message box over the main window, nothing else; Enter closes it.
expect_refusal() {
    local box
    box=$(wait_role messageBox)
    wait_windows MainWindow messageBox
    assert_eq "$(find_role MainWindow)" "$main" "main window while the message is shown"
    assert_eq "$(window_pid "$box")" "$APP_PID" "process of the message box"
    screenshot "$1"
    focus_window "$box"
    key Return
    wait_windows MainWindow
    assert_eq "$(find_role MainWindow)" "$main" "main window after the message"
}

# set_name TEXT: replaces the text of the name box.
set_name() {
    click "$main" "${MAIN_NAME[@]}"
    focus_window "$main"
    key ctrl+a BackSpace
    [ -z "$1" ] || type_text "$1"
}

# 1. No name at all (and no sex either: only the name is reported, one message).
focus_window "$main"
click "$main" "${MAIN_CALCULATE[@]}"
expect_refusal empty-name

# 2. A name of blanks only counts as no name.
set_name "   "
click "$main" "${MAIN_CALCULATE[@]}"
expect_refusal blank-name

# 3. A name but no sex.
set_name "Karma"
click "$main" "${MAIN_CALCULATE[@]}"
expect_refusal no-sex

# 4. 31 April.
click "$main" "${MAIN_MALE[@]}"
focus_window "$main"
key Tab                        # month list
key --repeat 3 Down            # January -> April
key Tab                        # day list
key --repeat 30 Down           # 1 -> 31
click "$main" "${MAIN_CALCULATE[@]}"
expect_refusal april-31

# 5. 29 February 1999 (not a leap year).
click "$main" "${MAIN_MALE[@]}"
focus_window "$main"
key Tab
key --repeat 2 Up              # April -> February
key Tab
key --repeat 2 Up              # 31 -> 29
key Tab                        # year list
key --repeat 69 Down           # 1930 -> 1999
click "$main" "${MAIN_CALCULATE[@]}"
expect_refusal february-29-1999

# 6. 29 February 2000 is a real date: the reading appears.
click "$main" "${MAIN_MALE[@]}"
focus_window "$main"
key Tab Tab Tab                # month, day, year
key Down                       # 1999 -> 2000
screenshot valid-entries
click "$main" "${MAIN_CALCULATE[@]}"
only_window ResultWindow >/dev/null
screenshot accepted
assert_no_browser
