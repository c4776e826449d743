#!/usr/bin/env bash
# Makes a printer for the print test: starts the CUPS scheduler if it is not running,
# adds the queue "ZarvoPDF" that prints into PDF files through cups-pdf, makes it the
# default printer and sends every PDF to one known folder. Needs root and the
# packages cups, cups-client, cups-bsd and printer-driver-cups-pdf (installed by
# scripts/test.sh). Safe to run again: it changes only what is not yet in place.
set -euo pipefail

QUEUE=ZarvoPDF
OUT_DIR=/var/spool/cups-pdf/zarvo
CONF=/etc/cups/cups-pdf.conf

say() { echo "start-cups: $*"; }

[ "$(id -u)" -eq 0 ] || { say "must run as root" >&2; exit 1; }
for tool in cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || { say "$tool is missing (packages cups, cups-client)" >&2; exit 1; }
done
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$CONF" ] \
    || { say "the cups-pdf backend is missing (package printer-driver-cups-pdf)" >&2; exit 1; }

# set_conf KEY VALUE: "KEY VALUE" in cups-pdf.conf, replacing an active or commented
# line of that key; the file is rewritten only when something changes.
set_conf() {
    local key=$1 value=$2
    if grep -qx "$key $value" "$CONF"; then
        return 0
    fi
    if grep -q "^${key}[[:space:]]" "$CONF"; then
        sed -i "s|^${key}[[:space:]].*|$key $value|" "$CONF"
    elif grep -q "^#${key}[[:space:]]" "$CONF"; then
        sed -i "0,/^#${key}[[:space:]].*/s||$key $value|" "$CONF"
    else
        echo "$key $value" >>"$CONF"
    fi
    say "cups-pdf: $key $value"
}

# Every job lands in one folder, whoever prints it (cups-pdf reads its configuration
# for each job, so the scheduler need not restart).
set_conf Out "$OUT_DIR"
set_conf AnonDirName "$OUT_DIR"
mkdir -p "$OUT_DIR"
chmod 1777 "$OUT_DIR"

scheduler_running() { lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }

if ! scheduler_running; then
    say "starting cupsd"
    mkdir -p /run/cups
    cupsd   # detaches by itself
    for _ in $(seq 200); do
        scheduler_running && break
        sleep 0.1
    done
    scheduler_running || { say "cupsd did not start within 20 s" >&2; exit 1; }
fi

if ! lpstat -v "$QUEUE" >/dev/null 2>&1; then
    ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    [ -f "$ppd" ] || ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
    say "adding queue $QUEUE"
    lpadmin -p "$QUEUE" -E -v cups-pdf:/ -P "$ppd" 2>&1 | grep -v -i deprecat || true
fi
# The PDF that a program hands to CUPS goes through a PostScript step before cups-pdf;
# pdftocairo keeps its fonts as text there (the other renderers turn them into
# pictures of glyphs, and the PDF's text can no longer be read).
if ! lpoptions -p "$QUEUE" 2>/dev/null | grep -q "pdftops-renderer=pdftocairo"; then
    lpadmin -p "$QUEUE" -o pdftops-renderer-default=pdftocairo
fi
# Accepting and enabled, also when an earlier run left it otherwise.
cupsenable "$QUEUE" 2>/dev/null || lpadmin -p "$QUEUE" -E
cupsaccept "$QUEUE" 2>/dev/null || true
if ! lpstat -d 2>/dev/null | grep -q ": $QUEUE\$"; then
    lpadmin -d "$QUEUE"
fi
lpstat -v "$QUEUE" >/dev/null 2>&1 || { say "queue $QUEUE could not be added" >&2; exit 1; }
say "default printer $(lpstat -d | sed 's/.*: //'), PDF files in $OUT_DIR"
