# A reading file as the program writes it, for the tests to compare a saved file with or
# to hand one to the program. Plain bash, with no display or program behind it: sourced
# by tests/e2e/lib.sh (and with it by the Wine test) and by the package test.
# shellcheck shell=bash

# reading_file_bytes NAME SEX DAY MONTH YEAR: prints the file: each line with each
# character's code plus 60 in one byte, ended by CR LF. A character whose code plus 60
# does not fit a byte (é and ü, 233 and 252) stands as "&#NNN;". Covers Latin-1, not
# the few letters of Windows-1252 beyond it (such as €).
reading_file_bytes() {
    local LC_ALL=C.UTF-8 line i code
    for line in "$@"; do
        for ((i = 0; i < ${#line}; i++)); do
            printf -v code '%d' "'${line:i:1}"
            if [ "$code" -le 195 ]; then
                # shellcheck disable=SC2059
                printf "\\$(printf '%03o' $((code + 60)))"
            else
                printf '&#%d;' "$code"
            fi
        done
        printf '\r\n'
    done
}
