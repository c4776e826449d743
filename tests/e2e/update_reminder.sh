#!/usr/bin/env bash
# The update reminder at start-up. The program keeps the date of the last reminder in
# its settings file (key and value scrambled, the date as yyyy-mm-dd) and asks whether
# to look for an update when that date is 15 days or more away. Dates that earlier
# versions stored in the locale's short date form still count.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

settings="$CONFIG_HOME/Ovanthe Softwares/$APP_CLASS.ini"

# ini_key TEXT: how the settings file spells a scrambled key ("Duration" -> "%80%B1...").
ini_key() {
    local text=$1 i code out=""
    for ((i = 0; i < ${#text}; i++)); do
        printf -v code '%d' "'${text:i:1}"
        code=$((code + 60))
        if [ $code -lt 128 ] && [[ $(printf "\\$(printf '%03o' $code)") =~ ^[A-Za-z0-9_.-]$ ]]; then
            out+=$(printf "\\$(printf '%03o' $code)")
        else
            out+=$(printf '%%%02X' $code)
        fi
    done
    printf '%s' "$out"
}
KEY=$(ini_key Duration)

# raw_value: the stored (scrambled) value of the key as it stands in the file.
raw_value() {
    [ -f "$settings" ] || fail "no settings file $settings"
    grep -a "^$KEY=" "$settings" | head -1 | cut -d= -f2- | tr -d '\n'
}

# stored_date: the plain text of the stored date. The file is UTF-8 text with one
# character per scrambled byte; a backslash is written doubled.
stored_date() {
    local latin1 byte out="" escaped=0
    latin1=$(raw_value | iconv -f UTF-8 -t ISO-8859-1 | od -An -tu1 -v)
    for byte in $latin1; do
        if [ $escaped -eq 0 ] && [ "$byte" -eq 92 ]; then
            escaped=1
            continue
        fi
        [ $escaped -eq 1 ] && [ "$byte" -ne 92 ] && fail "unexpected escape in the settings value: $(raw_value)"
        escaped=0
        out+=$(printf "\\$(printf '%03o' $((byte - 60)))")
    done
    printf '%s' "$out"
}

# settings_value PLAIN: the value as the program writes it (scrambled, then as above).
settings_value() {
    local text=$1 i code
    for ((i = 0; i < ${#text}; i++)); do
        printf -v code '%d' "'${text:i:1}"
        code=$((code + 60))
        if [ $code -eq 92 ]; then
            printf '\\\\'
        elif [ $code -lt 128 ]; then
            printf "\\$(printf '%03o' $code)"
        else  # two bytes of UTF-8
            printf "\\$(printf '%03o' $((0xC0 | (code >> 6))))\\$(printf '%03o' $((0x80 | (code & 0x3F))))"
        fi
    done
}

# wait_stored_date EXPECTED WHAT: waits until the file holds that date. The program writes
# its settings beside its windows, so the file may change a moment after a window shows.
wait_stored_date() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until [ -f "$settings" ] && [ "$(stored_date)" = "$1" ]; do
        [ $SECONDS -lt $deadline ] || assert_eq "$(stored_date)" "$1" "$2"
        sleep 0.05
    done
}

write_stored_date() {
    mkdir -p "$(dirname "$settings")"
    { printf '[Settings]\n%s=' "$KEY"; settings_value "$1"; printf '\n'; } >"$settings"
}

# 1. First start with no settings: no question, and today's date is written.
app_start
wait_windows MainWindow
screenshot first-start
wait_file "$settings"
grep -aq "^$KEY=" "$settings" || fail "no scrambled 'Duration' key ($KEY) in: $(cat -v "$settings")"
today_text=$(stored_date)
log "first start stored '$today_text'"
assert_eq "$today_text" "$(date +%F)" "date stored at the first start"
# Our spelling of the value is the program's own.
assert_eq "$(settings_value "$today_text")" "$(raw_value)" "settings value as written for '$today_text'"
app_stop

# days_from_today DAYS [FORMAT]: that day's date, as stored now or in another form.
days_from_today() { LC_ALL=C date -d "today $1 days" +"${2:-%F}"; }

# 2. Fourteen days ago: no question, nothing written.
write_stored_date "$(days_from_today -14)"
cp "$settings" "$E2E_TMP/before.ini"
app_start
wait_windows MainWindow
cmp -s "$settings" "$E2E_TMP/before.ini" || fail "the settings changed although no reminder was due"
app_stop

# 3. Fifteen days ago, stored by an earlier version as the short date of the locale
#    (C: "7 Dec 2026"): the question comes before the main window; No opens nothing,
#    and the stored date is today again.
write_stored_date "$(days_from_today -15 '%-d %b %Y')"
app_start
box=$(wait_role messageBox)
wait_windows messageBox
screenshot reminder-question
focus_window "$box"
key n
wait_windows MainWindow
wait_stored_date "$today_text" "stored date after answering No"
assert_no_browser
app_stop

# 4. Fifteen days ahead (the clock was set back): the question too; Yes opens the
#    download page, then the main window appears.
write_stored_date "$(days_from_today +15)"
app_start
box=$(wait_role messageBox)
wait_windows messageBox
focus_window "$box"
key y
wait_windows MainWindow
wait_stored_date "$today_text" "stored date after answering Yes"
assert_eq "$(wait_browser "answering Yes")" "https://www.ovanthesoftwares.com/zarvo-free-tibetan-astrology/ssd.php?page=download-web-page" \
    "page opened by answering Yes"
app_stop

# 5. A stored value that is no date: no question, and the value stays.
write_stored_date "not a date"
cp "$settings" "$E2E_TMP/before.ini"
app_start
wait_windows MainWindow
cmp -s "$settings" "$E2E_TMP/before.ini" || fail "an unreadable stored date was changed"
app_stop

# 6. A FIFO that nobody writes in the settings file's place counts as an unreadable
#    store: the program starts without a question and leaves the FIFO as it is.
rm -f "$settings"
mkfifo "$settings"
app_start
wait_windows MainWindow
[ -p "$settings" ] || fail "the FIFO in the settings file's place was replaced"
app_stop
