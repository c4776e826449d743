#!/usr/bin/env bash
# The Tibetan birth chart: its tab in the window, worked out when turned to, and the
# report on the command line with no display at all, as text and as a PDF.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

RESULT_TAB4=(437 50)

# report ARGUMENTS...: the program run for a report alone, without any display.
report() {
    (cd "$WORK" && env -i "HOME=$E2E_TMP/home" "PATH=/usr/bin:/bin" "LANG=C.UTF-8" "LC_ALL=C.UTF-8" \
        "XDG_RUNTIME_DIR=$RUNTIME_DIR" "$PROGRAM" "$@")
}

reading_file_bytes Anna Female 7 July 1984 >"$WORK/anna.tib"
text=$(report --report anna.tib 2>"$E2E_TMP/report.err") || fail "--report failed: $(cat "$E2E_TMP/report.err")"
printf '%s\n' "$text" >"$ARTIFACTS/$E2E_NAME-report.txt"
while IFS= read -r line; do
    grep -qxF -- "$line" <<<"$text" || fail "the report lacks the line: $line"
done <<'LINES'
Your Name: Anna
Your Tibetan Birth Year: Wood-Male-Rat (rabjung 16, year 58)
ཤིང་ཕོ་བྱི་བ
Your Tibetan Date of Birth: month 5, day 9
Your Birth Mewa: 7 Red
Your Life Force: Water
Your Body: Iron
Your Power: Wood
Your Luck: Wood
Your Soul: Iron
LINES

report --report anna.tib --pdf anna.pdf 2>"$E2E_TMP/pdf.err" || fail "--pdf failed: $(cat "$E2E_TMP/pdf.err")"
assert_file "$WORK/anna.pdf" "the PDF of the report"
pdf_text=$(pdftotext "$WORK/anna.pdf" -)
grep -qF "Your Birth Mewa: 7 Red" <<<"$pdf_text" || fail "the PDF lacks the mewa"
pdf_fonts=$(pdffonts "$WORK/anna.pdf")
grep -qi tibetan <<<"$pdf_fonts" || fail "the PDF carries no Tibetan font: $pdf_fonts"
cp "$WORK/anna.pdf" "$ARTIFACTS/$E2E_NAME-report.pdf"

# A file the window would refuse: its message on standard error, nothing written.
cp "$WORK/anna.tib" "$WORK/anna.txt"
if out=$(report --report anna.txt --pdf refused.pdf 2>"$E2E_TMP/refused.err"); then
    fail "a refused file ended with status 0"
fi
[ -z "$out" ] || fail "a refused file wrote to standard output: $out"
grep -qxF "Please Check The File." "$E2E_TMP/refused.err" || fail "no message for a refused file: $(cat "$E2E_TMP/refused.err")"
[ ! -e "$WORK/refused.pdf" ] || fail "a refused file left a PDF"

# A file that cannot be opened is named with the reason; a name that is no UTF-8 is read.
report --report missing.tib >/dev/null 2>"$E2E_TMP/missing.err" && fail "a missing file ended with status 0"
grep -qxF "The reading file could not be opened (No such file or directory)." "$E2E_TMP/missing.err" \
    || fail "no reason for a missing file: $(cat "$E2E_TMP/missing.err")"
cp "$WORK/anna.tib" "$WORK/anna"$'\xff'".tib"
text=$(report --report "anna"$'\xff'".tib" 2>&1)
grep -qxF "Your Name: Anna" <<<"$text" || fail "a name that is no UTF-8 was not read: $text"

# The fourth tab of the window.
app_start
main=$(only_window MainWindow)
enter_person "$main" Anna Female 7 July 1984
result=$(calculate "$main")
page=$(result_page_region "$result")
wait_painted "$result" "$page" "$E2E_TMP/first-page.png"
click_result "$result" "${RESULT_TAB4[@]}"
wait_region_differs "$result" "$page" "$E2E_TMP/first-page.png" "$E2E_TMP/chart.png" "page of tab 4"
screenshot birth-chart
# Mewa 7 shows its red beside its name.
red=$(convert "$E2E_TMP/chart.png" -crop 197x200+0+0 +repage -fuzz 10% -fill white -opaque "rgb(208,32,42)" \
    -fill black +opaque white -format "%[fx:round(mean*w*h)]" info:)
log "$red red pixels in the mewa's colour"
[ "$red" -gt 150 ] || fail "the mewa's colour is not shown ($red red pixels)"
app_stop
