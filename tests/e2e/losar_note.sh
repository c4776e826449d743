#!/usr/bin/env bash
# The animal page of a birth before Losar carries a note below the paragraph; the page of
# a birth after Losar in the same year has none. Both births are Wood-Rat in the reading,
# so their animal pages differ only where the note is.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# animal_page RESULT OUT: brings tab 3 to the front and keeps its settled page in OUT.
animal_page() {
    local page
    page=$(result_page_region "$1")
    wait_painted "$1" "$page" "$E2E_TMP/first-page.png"
    click_result "$1" "${RESULT_TAB3[@]}"
    wait_region_differs "$1" "$page" "$E2E_TMP/first-page.png" "$2" "page of tab 3"
}

app_start
main=$(only_window MainWindow)

# 20 January 1984, six weeks before Losar on 3 March.
enter_person "$main" Pema Male 20 January 1984
result=$(calculate "$main")
animal_page "$result" "$E2E_TMP/before.png"
screenshot before-losar
timeout 10 import -window "$result" "$ARTIFACTS/$E2E_NAME-window-before-losar.png" 2>/dev/null

# Back, and 25 March 1984, after Losar.
click_result "$result" "${RESULT_BACK[@]}"
main=$(only_window MainWindow)
enter_person "$main" Pema Male 25 March 1984
result=$(calculate "$main")
animal_page "$result" "$E2E_TMP/after.png"
screenshot after-losar

# The note makes a clear difference ...
changed=$(pixels_differing "$E2E_TMP/before.png" "$E2E_TMP/after.png")
log "$changed pixels of the animal page differ"
[ "$changed" -gt 500 ] || fail "the animal pages before and after Losar look alike ($changed pixels differ)"
# ... and only in the lower part of the frame: the picture and the animal's name above
# the paragraph stay as they were.
for part in picture:200x200+0+0 name:313x30+203+0; do
    geometry=${part#*:}
    convert "$E2E_TMP/before.png" -crop "$geometry" +repage "$E2E_TMP/before-part.png"
    convert "$E2E_TMP/after.png" -crop "$geometry" +repage "$E2E_TMP/after-part.png"
    n=$(pixels_differing "$E2E_TMP/before-part.png" "$E2E_TMP/after-part.png")
    [ "$n" -eq 0 ] || fail "the ${part%%:*} on the animal page changed with the note ($n pixels)"
done

# The note's lines stand in the frame's green where the paragraph box used to end.
green=$(convert "$E2E_TMP/before.png" -crop 280x24+211+162 +repage -fuzz 20% \
    -fill white -opaque "rgb(128,255,128)" -fill black +opaque white -format "%[fx:round(mean*w*h)]" info:)
log "$green green pixels in the lines of the note"
[ "$green" -gt 300 ] || fail "no text where the note belongs ($green green pixels)"

# E&xit closes the result window; the support screen's Exit ends the program.
focus_window "$result"
key alt+f
key x
support=$(only_window SupportScreen)
click "$support" "${SUPPORT_EXIT[@]}"
wait_exit "$APP_PID"
assert_eq "$APP_STATUS" 0 "exit status of the program"
assert_no_browser
