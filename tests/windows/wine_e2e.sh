#!/usr/bin/env bash
# The Windows program as a Windows user gets it, driven under Wine on a private Xvfb
# display: the silent per-user install (files, licences, manifest, Start-menu entry,
# registry), a reading typed, its tabs and its report, saved into the documents folder
# byte for byte like the Linux program's; a file written on Linux reopened; a reading
# file opened through its registered file type (the names in capitals, as Windows
# allows); one running copy (the second start says so, or hands its file to the first;
# installer and uninstaller refuse to touch it); printing to the CUPS PDF printer when
# there is one; and the silent uninstall, which leaves nothing of the program behind.
#     bash tests/windows/wine_e2e.sh SETUP.EXE [ARTEFACTS]
# Exit 77 (skipped) when Wine is missing.
E2E_TIMEOUT=${E2E_TIMEOUT:-30}
command -v wine >/dev/null || { echo "SKIP: wine is not installed" >&2; exit 77; }
SETUP=$(realpath "${1:?installer path missing}")
[ -f "$SETUP" ] || { echo "FAIL: no installer $SETUP" >&2; exit 1; }
REPO=$(cd "$(dirname "$0")/../.." && pwd)
source "$REPO/tests/e2e/lib.sh"
source "$REPO/tests/windows/wine_lib.sh"
e2e_init "$(command -v wine)" "${2:-}"   # lib.sh's checks, folders and display
APP_CLASS=zarvo-tibetan-astrology.exe
wine_init

# exit_from_result RESULT: File > Exit, then the support screen's Exit, as a user ends
# the program.
exit_from_result() {
    focus_window "$1"
    key alt+f
    key x
    click "$(only_window SupportScreen)" "${SUPPORT_EXIT[@]}"
}

# ---------------------------------------------------------------------------
# 1. Silent install.
find "$PROFILE/AppData" | sort >"$E2E_TMP/appdata-before"
log "step 1: installing $(basename "$SETUP")"
wine_run "$SETUP" /S || fail "the installer failed (see $ARTIFACTS/$E2E_NAME-wine.log)"
instdir="$PROFILE/AppData/Local/Programs/Zarvo Tibetan Astrology"
exe="$instdir/zarvo-tibetan-astrology.exe"
wait_file "$exe" 60
wait_file "$PROFILE/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zarvo Tibetan Astrology.lnk"
wait_file "$instdir/Uninstall.exe"
win_exe="C:\\users\\$(basename "$PROFILE")\\AppData\\Local\\Programs\\Zarvo Tibetan Astrology\\zarvo-tibetan-astrology.exe"
assert_eq "$(reg_value 'HKCU\Software\Classes\.tib')" "ZarvoTibetanAstrology.Reading" "file type of .tib"
assert_eq "$(reg_value 'HKCU\Software\Classes\ZarvoTibetanAstrology.Reading\shell\open\command')" \
    "\"$win_exe\" \"%1\"" "command that opens a reading file"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZarvoTibetanAstrology'
assert_eq "$(reg_value "$uninstall_key" UninstallString)" \
    "\"${win_exe%\\*}\\Uninstall.exe\"" "uninstall command"
# The licences of what comes with the program, in the install folder and the zip.
portable="${SETUP%-setup.exe}-portable.zip"
unzip -q "$portable" -d "$E2E_TMP/portable" || fail "cannot unpack $portable"
for folder in "$instdir" "$E2E_TMP/portable/Zarvo Tibetan Astrology"; do
    for licence in "Licences.txt:GNU Lesser General Public License" "licences/LGPL-3.txt:GNU LESSER GENERAL PUBLIC LICENSE" \
        "licences/GPL-3.txt:GNU GENERAL PUBLIC LICENSE" "licences/GCC-exception-3.1.txt:GCC RUNTIME LIBRARY EXCEPTION" \
        "licences/winpthreads.txt:Permission is hereby granted"; do
        grep -qF "${licence#*:}" "$folder/${licence%%:*}" || fail "no ${licence%%:*} with \"${licence#*:}\" in $folder"
    done
done
# The manifest: Windows 10 and 11 among the supported systems, long paths.
for declared in 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' '<ws2:longPathAware>true<'; do
    grep -qaF "$declared" "$exe" || fail "the program's manifest lacks $declared"
done

# ---------------------------------------------------------------------------
# 2. The installed program starts with its main window alone.
log "step 2: start"
wine_start "$win_exe"
first=$APP_PID
main=$(E2E_TIMEOUT=60 only_window MainWindow)
assert_eq "$(window_pid "$main")" "$first" "process of the main window"
wait_painted "$main" "$(window_size "$main" | tr ' ' x)+0+0" "$E2E_TMP/main.png"
shot windows-main-window "$main"

# ---------------------------------------------------------------------------
# 3. A reading: Anna Dolkar, female, 14 July 1975. (Wine drops characters that xdotool
# types from keys of their own, so the typed name is plain ASCII; the handed-over file
# below brings an "ü".)
log "step 3: a reading, its tabs, its report, saving"
enter_person "$main" "Anna Dolkar" Female 14 July 1975
screenshot entries
result=$(calculate "$main")
page_region=$(result_page_region "$result")
wait_painted "$result" "$page_region" "$E2E_TMP/anna.png"
shot windows-result-tab1 "$result"
click_result "$result" "${RESULT_TAB2[@]}"
wait_region_differs "$result" "$page_region" "$E2E_TMP/anna.png" "$E2E_TMP/tab2.png" "page of tab 2"
shot windows-result-tab2 "$result"
click_result "$result" "${RESULT_TAB3[@]}"
wait_region_differs "$result" "$page_region" "$E2E_TMP/tab2.png" "$E2E_TMP/tab3.png" "page of tab 3"
[ "$(pixels_differing "$E2E_TMP/anna.png" "$E2E_TMP/tab3.png")" -gt 1000 ] || fail "tab 3 shows the page of tab 1"
shot windows-result-tab3 "$result"
# The birth chart, mewa 7 in its red, its Tibetan names drawn by the Tibetan font.
click_result "$result" 437 50
wait_region_differs "$result" "$page_region" "$E2E_TMP/tab3.png" "$E2E_TMP/tab4.png" "page of tab 4"
shot windows-result-tab4 "$result"
red=$(convert "$E2E_TMP/tab4.png" -crop 197x200+0+0 +repage -fuzz 10% -fill white -opaque "rgb(208,32,42)" \
    -fill black +opaque white -format "%[fx:round(mean*w*h)]" info:)
[ "$red" -gt 150 ] || fail "the chart shows no mewa colour ($red red pixels)"
click_result "$result" "${RESULT_TAB1[@]}"
wait_region_equals "$result" "$page_region" "$E2E_TMP/anna.png" "page of tab 1 again"

# The report, and its "&Save" through Qt's own file dialog to a Windows path.
report=$(open_report "$result")
wait_windows ResultWindow ReportWindow
wait_painted "$report" "$(window_size "$report" | tr ' ' x)+0+0" "$E2E_TMP/report.png"
shot windows-report "$report"
# A name without a folder lands in the user's documents, where the dialog starts.
save_reading_as "$report" anna save-dialog
wait_file "$PROFILE/Documents/anna.tib"
reading_file_bytes "Anna Dolkar" Female 14 July 1975 >"$E2E_TMP/expected.tib"
assert_same_bytes "$PROFILE/Documents/anna.tib" "$E2E_TMP/expected.tib" "reading saved on Windows"
focus_window "$report"
key Escape
wait_windows ResultWindow

# ---------------------------------------------------------------------------
# 4. Back, and reopen a file written on Linux: the same birth data gives the same page.
# Windows names files in any case: "LINUX.TIB" is a reading file, here and below.
log "step 4: reopening a Linux file"
reading_file_bytes "Linux Anna" Female 14 July 1975 >"$WORK/LINUX.TIB"
click_result "$result" "${RESULT_BACK[@]}"
main=$(only_window MainWindow)
main_click "$main" "${MAIN_OPEN[@]}"
dialog=$(wait_role fileDialog)
focus_window "$dialog"
type_text "$(winpath "$WORK/LINUX.TIB")"
key Return
result=$(wait_reading "$E2E_TMP/anna.png" "reading reopened from a Linux file")
wait_windows ResultWindow

exit_from_result "$result"
wait_exit "$first"
assert_eq "$APP_STATUS" 0 "exit status of the program"

# The report on the command line, as text and as a PDF.
log "step 4b: the report on the command line"
(cd "$WORK" && env -i "${WINE_ENV[@]}" timeout 120 wine "$win_exe" --report "$(winpath "$WORK/LINUX.TIB")" \
    --pdf "$(winpath "$WORK/linux.pdf")") >>"$ARTIFACTS/$E2E_NAME-wine.log" 2>&1 || fail "--report --pdf failed"
wait_file "$WORK/linux.pdf"
pdf_text=$(pdftotext "$WORK/linux.pdf" -)
grep -qF "Your Tibetan Birth Year: Wood-Female-Hare (rabjung 16, year 49)" <<<"$pdf_text" \
    || fail "the PDF written under Wine lacks the chart"
report_text=$( (cd "$WORK" && env -i "${WINE_ENV[@]}" timeout 120 wine "$win_exe" --report "$(winpath "$WORK/LINUX.TIB")") \
    2>>"$ARTIFACTS/$E2E_NAME-wine.log" | tr -d '\r')
grep -qxF "Your Birth Mewa: 7 Red" <<<"$report_text" || fail "--report under Wine wrote no chart: $report_text"
wait_windows
settings="$PROFILE/AppData/Local/Ovanthe Softwares/zarvo-tibetan-astrology.ini"
assert_file "$settings" "settings of the program"

# ---------------------------------------------------------------------------
# 5. A reading file opened through its file type ("start" as a double click does).
# Windows merges the user's classes (HKCU\Software\Classes, where a per-user install
# registers) into HKEY_CLASSES_ROOT; Wine's HKCR is only HKLM\Software\Classes, so the
# test mirrors the two keys there for the moment and takes them away again.
log "step 5: opening through the file type"
classes=('.tib' 'ZarvoTibetanAstrology.Reading')
for class in "${classes[@]}"; do
    wine_run reg copy "HKCU\\Software\\Classes\\$class" "HKLM\\Software\\Classes\\$class" /s /f \
        || fail "could not mirror $class into HKLM"
done
reading_file_bytes "Bob Wine" Male 12 December 1962 >"$WORK/BOB.TIB"
wine_start start "$(winpath "$WORK/BOB.TIB")"
wait_exit "$APP_PID" 60
assert_eq "$APP_STATUS" 0 "exit status of start (see $ARTIFACTS/$E2E_NAME-app$((${#E2E_APP_PIDS[@]} - 1)).log)"
result=$(E2E_TIMEOUT=60 only_window ResultWindow)
running=$(window_pid "$result")
[ -n "$running" ] && E2E_APP_PIDS+=("$running")
log "the file type started: $(tr '\0' ' ' <"/proc/$running/cmdline" 2>/dev/null | sed 's/ *$//')"
wait_painted "$result" "$(result_page_region "$result")" "$E2E_TMP/bob.png"
[ "$(pixels_differing "$E2E_TMP/bob.png" "$E2E_TMP/anna.png")" -gt 1000 ] \
    || fail "the reading of BOB.TIB looks like Anna's"
for class in "${classes[@]}"; do
    wine_run reg delete "HKLM\\Software\\Classes\\$class" /f || fail "could not remove the mirrored $class"
done

# ---------------------------------------------------------------------------
# 6. One copy: a second start without a file only says so and ends.
log "step 6: one running copy"
wine_start "$win_exe"
second=$APP_PID
box=$(wait_role messageBox)
assert_eq "$(window_pid "$box")" "$second" "process of the message box"
wait_windows ResultWindow messageBox
wait_painted "$box" "$(window_size "$box" | tr ' ' x)+0+0" "$E2E_TMP/box.png"
shot windows-already-running "$box"
focus_window "$box"
key Return
wait_exit "$second"
assert_eq "$APP_STATUS" 0 "exit status of the second copy"
wait_windows ResultWindow
app_running "$running" || fail "the running copy ended too"

# A start with a file hands it to the running copy and ends without a word.
person="Tsering Müller$$"
reading_file_bytes "$person" Female 14 July 1975 >"$WORK/HANDOFF.TIB"
wine_start "$win_exe" "$(winpath "$WORK/HANDOFF.TIB")"
wait_exit "$APP_PID"
assert_eq "$APP_STATUS" 0 "exit status of the copy that handed over its file"
result=$(wait_reading "$E2E_TMP/anna.png" "reading handed to the running copy")
wait_windows ResultWindow
assert_eq "$(window_pid "$result")" "$running" "process that shows the handed-over reading"

# While it runs, neither a silent install nor a silent uninstall (run in place, so that
# its exit code is its own) changes anything.
find "$instdir" -printf '%p %s %T@\n' | sort >"$E2E_TMP/installed"
wine_run "$SETUP" /S
assert_eq "$?" 2 "exit code of the installer while the program runs"
# NSIS takes "_?=" only unquoted at the end of its command line, blanks and all; cmd
# passes on the words as they come, and the exit code.
read -ra folder_words <<<"${win_exe%\\*}"
wine_run cmd /c "${win_exe%\\*}\\Uninstall.exe" /S "_?=${folder_words[0]}" "${folder_words[@]:1}"
assert_eq "$?" 2 "exit code of the uninstaller while the program runs"
find "$instdir" -printf '%p %s %T@\n' | sort | diff "$E2E_TMP/installed" - || fail "the install folder changed"
reg_key_exists "$uninstall_key" || fail "the uninstaller removed its entry while the program runs"

# ---------------------------------------------------------------------------
# 7. Printing the report to the default printer, when that is the CUPS PDF queue.
log "step 7: printing"
report=$(open_report "$result")
printer=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
pdf_dir=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
# shellcheck disable=SC2016
pdf_dir=${pdf_dir//'${USER}'/$(id -un)}
if [ -z "$printer" ] || ! lpstat -v "$printer" 2>/dev/null | grep -q 'cups-pdf:' || [ ! -d "$pdf_dir" ] \
    || ! dpkg -l libcups2 2>/dev/null | grep -q '^ii'; then
    log "SKIPPED printing: no default CUPS PDF printer (tests/e2e/start-cups.sh) or no libcups2"
else
    find "$pdf_dir" -maxdepth 1 -name '*.pdf' -printf '%f\n' | sort >"$E2E_TMP/pdf-before"
    click "$report" "${REPORT_PRINT[@]}"
    deadline=$((SECONDS + 90))
    pdf=""
    while [ -z "$pdf" ]; do
        while read -r name; do
            pdftotext "$pdf_dir/$name" "$E2E_TMP/report.txt" 2>/dev/null \
                && grep -q "Your Name: $person" "$E2E_TMP/report.txt" && pdf="$pdf_dir/$name"
        done < <(find "$pdf_dir" -maxdepth 1 -name '*.pdf' -printf '%f\n' | sort | comm -13 "$E2E_TMP/pdf-before" -)
        [ -n "$pdf" ] && break
        [ $SECONDS -lt $deadline ] || fail "no PDF with '$person' in $pdf_dir within 90s (jobs: $(lpstat -o | tr '\n' ';'))"
        sleep 0.5
    done
    log "printed to $pdf"
    cp "$pdf" "$ARTIFACTS/$E2E_NAME-report.pdf" && rm -f "$pdf"
    grep -q "Your Sex: Female" "$E2E_TMP/report.txt" || fail "the printed report lacks 'Your Sex: Female'"
    assert_eq "$(grep -c "Report Generated By" "$E2E_TMP/report.txt")" 8 "footer lines in the printed report"
fi
wait_windows ResultWindow ReportWindow
focus_window "$report"
key Escape
wait_windows ResultWindow

exit_from_result "$result"
wait_pid_gone "$running"
wait_windows

# ---------------------------------------------------------------------------
# 8. Silent uninstall: the program's files, Start-menu entry, file type, uninstall
# entry and settings are gone, and nothing else of it is left in AppData.
log "step 8: uninstalling"
wine_run "$instdir/Uninstall.exe" /S || fail "the uninstaller failed"
# The uninstaller runs on from a copy of itself; it is done when every process is.
wine_wait_idle 60
[ ! -e "$instdir" ] || fail "the install folder remains: $(find "$instdir" | tr '\n' ' ')"
[ ! -e "$PROFILE/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zarvo Tibetan Astrology.lnk" ] \
    || fail "the Start-menu entry remains"
[ ! -e "$settings" ] || fail "the settings file remains"
for key in 'HKCU\Software\Classes\.tib' 'HKCU\Software\Classes\ZarvoTibetanAstrology.Reading' "$uninstall_key"; do
    ! reg_key_exists "$key" || fail "registry key $key remains"
done
# (The installer's parent folder AppData\Local\Programs is Windows' own and may stay.)
find "$PROFILE/AppData" | sort | comm -13 "$E2E_TMP/appdata-before" - | sed "s|^$PROFILE/||" >"$E2E_TMP/appdata-new"
log "new in AppData after uninstalling: $(tr '\n' ';' <"$E2E_TMP/appdata-new")"
if grep -i -E 'zarvo|ovanthe|tibet|\.tib$' "$E2E_TMP/appdata-new"; then
    fail "the program left the files above in AppData"
fi
