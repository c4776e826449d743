#!/usr/bin/env bash
# Checks the Debian package of the program from end to end (see CMakeLists.txt here).
#
# Any user: builds the .deb with CPack from the build tree; lets lintian check it (no
# error, no warning); checks its control fields and Depends, its file list, owners and
# modes, the stripped binary, the rendered icons, the manual page, copyright and
# changelog, --help and --version; validates the desktop entry, the reading-file MIME
# type and the AppStream data; and compares the package with a plain `cmake --install`.
# Root only: installs the .deb with apt-get, starts the installed program on a private
# Xvfb display with its own settings and runtime folders, waits for its main window,
# takes a screenshot; opens reading files as a desktop does (xdg-open, gio open) with
# the program not running and running; hands a file over as a normal user and checks
# that a connection of another user is refused; ends the program and removes the
# package again, so that the machine's package set is left as it was. Not run as root, it exits 77 (skipped)
# after the first part.
set -euo pipefail
source "$(dirname "$0")/../e2e/reading_file.sh"

die() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "== $*"; }
expect_eq() {  # what, actual, expected
    [ "$2" = "$3" ] || die "$1: expected '$3', got '$2'"
}

while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || die "missing value after $1"
    case "$1" in
        --cmake) CMAKE=$2 ;;
        --cpack) CPACK=$2 ;;
        --build-dir) BUILD=$2 ;;
        --work-dir) WORK=$2 ;;
        --package) PKG=$2 ;;
        --version) VERSION=$2 ;;
        --app-id) APP_ID=$2 ;;
        --app-name) APP_NAME=$2 ;;
        --maker) MAKER=$2 ;;
        --site-url) SITE=$2 ;;
        --icon) ICON=$2 ;;
        --mime-type) MIME_TYPE=$2 ;;
        *) die "unknown argument $1" ;;
    esac
    shift 2
done
for var in CMAKE CPACK BUILD WORK PKG VERSION APP_ID APP_NAME MAKER SITE ICON MIME_TYPE; do
    [ -n "${!var:-}" ] || die "no value given for $var"
done

ICON_SIZES=(16 32 48 64 128 256)
CAPTION="$APP_NAME v$VERSION"

need_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || die "the test needs '$tool' (scripts/test.sh installs it)"
    done
}
need_tools dpkg dpkg-deb dpkg-query dpkg-parsechangelog apt-cache desktop-file-validate appstreamcli \
    file identify ldd lintian man update-mime-database

case "$WORK" in /*/*) ;; *) die "refusing to use '$WORK' as work folder" ;; esac
rm -rf "$WORK"
mkdir -p "$WORK"
ARCH=$(dpkg --print-architecture)

# ---------------------------------------------------------------------------------
step "Building the package with CPack"
if ! (cd "$BUILD" && "$CPACK" -G DEB -B "$WORK/cpack" --config "$BUILD/CPackConfig.cmake") \
        >"$WORK/cpack.log" 2>&1; then
    cat "$WORK/cpack.log"
    die "cpack failed"
fi
if grep -E '^(CMake|CPack) (Warning|Error)' "$WORK/cpack.log"; then
    cat "$WORK/cpack.log"
    die "cpack reported problems"
fi
DEB="$WORK/cpack/${PKG}_${VERSION}_${ARCH}.deb"
debs=("$WORK"/cpack/*.deb)
[ -f "$DEB" ] || die "expected $DEB; cpack made: ${debs[*]}"
expect_eq "number of packages made" "${#debs[@]}" 1
echo "$DEB"

# ---------------------------------------------------------------------------------
step "lintian"
# Root gets a note that lintian prefers not to run as root; only tags count.
lintian --fail-on error,warning "$DEB" >"$WORK/lintian.log" 2>"$WORK/lintian.err" \
    || { cat "$WORK/lintian.log" "$WORK/lintian.err"; die "lintian failed"; }
if grep -E '^[EW]: ' "$WORK/lintian.log"; then
    die "lintian reports errors or warnings"
fi

# ---------------------------------------------------------------------------------
step "Control fields"
field() { dpkg-deb -f "$DEB" "$1"; }
expect_eq Package "$(field Package)" "$PKG"
expect_eq Version "$(field Version)" "$VERSION"
expect_eq Architecture "$(field Architecture)" "$ARCH"
expect_eq Homepage "$(field Homepage)" "$SITE"
maintainer=$(field Maintainer)
address=${maintainer#"$MAKER <"}
address=${address%">"}
address_pattern='^[^[:space:]<>@]+@[^[:space:]<>@]+$'
if [ "$maintainer" != "$MAKER <$address>" ] || ! [[ "$address" =~ $address_pattern ]]; then
    die "Maintainer: expected '$MAKER <e-mail address>', got '$maintainer'"
fi
[ -n "$(field Section)" ] || die "no Section"
expect_eq Priority "$(field Priority)" "optional"
description=$(field Description)
[ -n "$(head -n1 <<<"$description")" ] || die "no summary line in Description"
[ "$(wc -l <<<"$description")" -ge 3 ] || die "Description has no long description: $description"

depends=$(field Depends)
echo "Depends: $depends"
dep_names=$(tr ',|' '\n' <<<"$depends" | sed -e 's/([^)]*)//g' -e 's/:any//' -e 's/ //g' | sed '/^$/d' | sort -u)
# The Qt libraries (from dpkg-shlibdeps; libqt6gui6 also carries the X11 platform
# plugin; named by us: libqt6svg6, the SVG image plugin, and qt6-wayland, the Wayland
# platform plugin), the C++ runtime, the fonts and Qt's translations.
for name in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 \
        qt6-wayland fonts-dejavu-core fonts-tibetan-machine qt6-translations-l10n; do
    grep -qx -- "$name" <<<"$dep_names" || die "Depends lacks $name"
done
while read -r name; do
    case "$name" in *-dev) die "Depends names a development package: $name" ;; esac
    apt-cache show --no-all-versions "$name" >/dev/null 2>&1 \
        || die "Depends names '$name', which the package system does not know"
done <<<"$dep_names"

# ---------------------------------------------------------------------------------
step "Contents"
dpkg-deb -c "$DEB" >"$WORK/contents.txt"
expected_files() {
    echo "./usr/bin/$PKG"
    echo "./usr/share/doc/$PKG/copyright"
    echo "./usr/share/doc/$PKG/changelog.gz"
    echo "./usr/share/man/man1/$PKG.1.gz"
    echo "./usr/share/mime/packages/$APP_ID.xml"
    echo "./usr/share/applications/$APP_ID.desktop"
    echo "./usr/share/metainfo/$APP_ID.metainfo.xml"
    echo "./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
    local size
    for size in "${ICON_SIZES[@]}"; do
        echo "./usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    done
}
expected_files | sort >"$WORK/files.expected"
awk '$1 ~ /^-/ { print $6 }' "$WORK/contents.txt" | sort >"$WORK/files.deb"
diff -u "$WORK/files.expected" "$WORK/files.deb" || die "the package holds other files than expected"
odd=$(awk '$1 !~ /^[-d]/' "$WORK/contents.txt")
[ -z "$odd" ] || die "entries that are neither files nor folders: $odd"
not_root=$(awk '$2 != "root/root"' "$WORK/contents.txt")
[ -z "$not_root" ] || die "entries not owned by root: $not_root"
bad_modes=$(awk -v bin="./usr/bin/$PKG" '
    $1 ~ /^d/ && $1 != "drwxr-xr-x" { print }
    $1 ~ /^-/ && $6 == bin && $1 != "-rwxr-xr-x" { print }
    $1 ~ /^-/ && $6 != bin && $1 != "-rw-r--r--" { print }' "$WORK/contents.txt")
[ -z "$bad_modes" ] || die "unexpected modes: $bad_modes"

ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
binary_kind=$(file -b "$ROOT/usr/bin/$PKG")
echo "binary: $binary_kind"
[[ "$binary_kind" == ELF*executable*dynamically\ linked* ]] || die "the program is not a dynamically linked ELF executable"
[[ "$binary_kind" == *", stripped"* ]] || die "the program is not stripped"
missing_libs=$(ldd "$ROOT/usr/bin/$PKG" | grep 'not found' || true)
[ -z "$missing_libs" ] || die "libraries not found: $missing_libs"

cmp "$ICON" "$ROOT/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg" \
    || die "the scalable icon differs from $ICON"
for size in "${ICON_SIZES[@]}"; do
    png="$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    expect_eq "icon ${size}x${size}" "$(identify -format '%m %w %h' "$png")" "PNG $size $size"
    colours=$(identify -format '%k' "$png")
    [ "$colours" -ge 8 ] || die "icon ${size}x${size} holds only $colours colours: an empty render"
done

# ---------------------------------------------------------------------------------
step "Manual page, copyright and changelog"
MANPAGE="$ROOT/usr/share/man/man1/$PKG.1.gz"
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$MANPAGE" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || die "the manual page has faults: $man_warnings"
man_text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$MANPAGE" 2>/dev/null | col -bx | tr -s " ")
for text in "$PKG - " "--help" "--version" "file.tib" "-platform"; do
    grep -qF -- "$text" <<<"$man_text" || die "the manual page does not mention '$text'"
done
COPYRIGHT="$ROOT/usr/share/doc/$PKG/copyright"
expect_eq "copyright format" "$(head -n1 "$COPYRIGHT")" \
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
grep -q '^Files: \*$' "$COPYRIGHT" || die "the copyright file covers not every file"
zcat "$ROOT/usr/share/doc/$PKG/changelog.gz" >"$WORK/changelog"
expect_eq "newest changelog version" "$(dpkg-parsechangelog -l "$WORK/changelog" -S Version)" "$VERSION"
expect_eq "changelog package" "$(dpkg-parsechangelog -l "$WORK/changelog" -S Source)" "$PKG"
expect_eq "changelog maintainer" "$(dpkg-parsechangelog -l "$WORK/changelog" -S Maintainer)" "$maintainer"

# ---------------------------------------------------------------------------------
step "--help and --version, without a display"
version_text=$(env -u DISPLAY -u WAYLAND_DISPLAY "$ROOT/usr/bin/$PKG" --version 2>&1) || die "--version failed: $version_text"
expect_eq "--version" "$version_text" "$PKG $VERSION"
help_text=$(env -u DISPLAY -u WAYLAND_DISPLAY "$ROOT/usr/bin/$PKG" --help 2>&1) || die "--help failed: $help_text"
for text in "Usage: " "--version" "--help" "[file]"; do
    grep -qF -- "$text" <<<"$help_text" || die "--help does not show '$text': $help_text"
done

# ---------------------------------------------------------------------------------
step "Reading-file MIME type"
MIME_XML="$ROOT/usr/share/mime/packages/$APP_ID.xml"
mkdir -p "$WORK/mime/packages"
cp "$MIME_XML" "$WORK/mime/packages/"
XDG_DATA_DIRS="$WORK" update-mime-database "$WORK/mime" >"$WORK/mime.log" 2>&1 || { cat "$WORK/mime.log"; die "update-mime-database"; }
[ ! -s "$WORK/mime.log" ] || { cat "$WORK/mime.log"; die "update-mime-database complains"; }
grep -qx "50:$MIME_TYPE:\*\.tib" "$WORK/mime/globs2" || die "no glob *.tib for $MIME_TYPE: $(cat "$WORK/mime/globs2")"
grep -qx "$MIME_TYPE:$APP_ID" "$WORK/mime/icons" || die "$MIME_TYPE has not the program's icon"
grep -q '<comment>[^<]' "$WORK/mime/${MIME_TYPE}.xml" || die "$MIME_TYPE has no comment"

# ---------------------------------------------------------------------------------
step "Desktop entry"
DESKTOP="$ROOT/usr/share/applications/$APP_ID.desktop"
validation=$(desktop-file-validate "$DESKTOP" 2>&1) || die "desktop-file-validate: $validation"
[ -z "$validation" ] || die "desktop-file-validate reports: $validation"
expect_eq "groups in the desktop entry" "$(grep -c '^\[' "$DESKTOP")" 1
desktop_key() { sed -n "s/^$1=//p" "$DESKTOP"; }
expect_eq "desktop Type" "$(desktop_key Type)" "Application"
expect_eq "desktop Name" "$(desktop_key Name)" "$APP_NAME"
expect_eq "desktop Icon" "$(desktop_key Icon)" "$APP_ID"
expect_eq "desktop Exec" "$(desktop_key Exec)" "$PKG %f"
expect_eq "desktop MimeType" "$(desktop_key MimeType)" "$MIME_TYPE;"
expect_eq "desktop TryExec" "$(desktop_key TryExec)" "$PKG"
expect_eq "desktop Terminal" "$(desktop_key Terminal)" "false"
STARTUP_WM_CLASS=$(desktop_key StartupWMClass)
[ -n "$STARTUP_WM_CLASS" ] || die "no StartupWMClass in the desktop entry"
[ -n "$(desktop_key Comment)" ] || die "no Comment in the desktop entry"
[ -n "$(desktop_key Categories)" ] || die "no Categories in the desktop entry"

# ---------------------------------------------------------------------------------
step "AppStream metadata"
METAINFO="$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml"
appstreamcli validate --no-net --strict --explain "$METAINFO" || die "appstreamcli validate"
# The whole tree: the launchable desktop entry must be there too.
appstreamcli validate-tree --no-net --strict --explain "$ROOT" || die "appstreamcli validate-tree"
xml_value() {  # first text of a one-line element matched by the sed pattern $1
    sed -n "s:.*$1\([^<]*\)<.*:\1:p" "$METAINFO" | head -n1
}
expect_eq "AppStream id" "$(xml_value '<id>')" "$APP_ID"
expect_eq "AppStream name" "$(xml_value '<name>')" "$APP_NAME"
expect_eq "AppStream developer" "$(xml_value '<developer_name>')" "$MAKER"
expect_eq "AppStream launchable" "$(xml_value '<launchable type="desktop-id">')" "$APP_ID.desktop"
expect_eq "AppStream binary" "$(xml_value '<binary>')" "$PKG"
expect_eq "AppStream homepage" "$(xml_value '<url type="homepage">')" "$SITE"
expect_eq "AppStream newest release" \
    "$(sed -n 's:.*<release [^>]*version="\([^"]*\)".*:\1:p' "$METAINFO" | head -n1)" "$VERSION"
grep -q '<content_rating type="oars-1\.[01]"' "$METAINFO" || die "no OARS content rating"
grep -q '<description>' "$METAINFO" || die "no description"

# ---------------------------------------------------------------------------------
step "cmake --install gives the same files"
if ! DESTDIR="$WORK/destdir" "$CMAKE" --install "$BUILD" --prefix /usr >"$WORK/install.log" 2>&1; then
    cat "$WORK/install.log"
    die "cmake --install failed"
fi
(cd "$WORK/destdir" && find . -type f -o -type l) | sort >"$WORK/files.install"
diff -u "$WORK/files.deb" "$WORK/files.install" || die "cmake --install and the package differ"

# ---------------------------------------------------------------------------------
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing the package for real needs root; all checks above passed."
    exit 77
fi
need_tools apt-get flock Xvfb xdotool xprop xwininfo import compare timeout xdg-mime xdg-open gio setpriv python3

step "Installing the package with apt-get"
export DEBIAN_FRONTEND=noninteractive
# One package test at a time on this machine, whatever build tree it runs from.
LOCK_DIR=/run/lock
[ -d "$LOCK_DIR" ] || LOCK_DIR=/tmp
exec 9>"$LOCK_DIR/zarvo-package-test.lock"
flock -w 300 9 || die "another package test still holds $LOCK_DIR/zarvo-package-test.lock"
# Lists what a run installed, so that a run that was killed is cleaned up by the next.
MARKER="/var/tmp/zarvo-package-test.installed"
APT_OPTS=(-y -q --no-install-recommends -o DPkg::Lock::Timeout=300)

package_status() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true; }
is_present() {  # installed or with files left, in dpkg's view
    local status
    status=$(package_status "$1")
    [ -n "$status" ] && [[ "$status" != *" not-installed" ]]
}

if is_present "$PKG"; then
    if [ -f "$MARKER" ]; then
        echo "Removing what an interrupted earlier run installed: $(tr '\n' ' ' <"$MARKER")"
        mapfile -t leftovers <"$MARKER"
        apt-get purge "${APT_OPTS[@]}" "${leftovers[@]}" >"$WORK/purge-leftovers.log" 2>&1 \
            || { cat "$WORK/purge-leftovers.log"; die "cannot remove the leftovers"; }
        rm -f "$MARKER"
    else
        echo "SKIP: $PKG is already on this machine ($(package_status "$PKG")), not installed by this test;"
        echo "      the test does not replace it. Remove it to run the installed-program check."
        exit 77
    fi
fi

# What apt-get would add besides the package itself; removed again at the end.
apt-get install -s "${APT_OPTS[@]}" "$DEB" >"$WORK/apt-simulate.log" 2>&1 \
    || { cat "$WORK/apt-simulate.log"; die "apt-get cannot install the package"; }
mapfile -t EXTRAS < <(awk -v pkg="$PKG" '$1 == "Inst" && $2 != pkg { print $2 }' "$WORK/apt-simulate.log")
[ ${#EXTRAS[@]} -eq 0 ] || echo "apt-get also installs: ${EXTRAS[*]}"

APP_PID=""
XVFB_PID=""
INSTALLED=0

stop_process() {  # pid, name: TERM, then KILL if it does not end within 10 s
    local pid=$1 name=$2
    [ -n "$pid" ] || return 0
    if kill -0 "$pid" 2>/dev/null; then
        kill -TERM "$pid" 2>/dev/null || true
        if ! timeout 10 tail --pid="$pid" -f /dev/null; then
            echo "$name did not end on SIGTERM; killing it" >&2
            kill -KILL "$pid" 2>/dev/null || true
        fi
    fi
    wait "$pid" 2>/dev/null || true
}

remove_package() {
    [ "$INSTALLED" -eq 1 ] || return 0
    if apt-get purge "${APT_OPTS[@]}" "$PKG" "${EXTRAS[@]}" >"$WORK/apt-remove.log" 2>&1; then
        INSTALLED=0
        rm -f "$MARKER"
    else
        cat "$WORK/apt-remove.log" >&2
        return 1
    fi
}

cleanup() {
    local status=$?
    stop_process "$APP_PID" "the program"
    APP_PID=""
    stop_process "$XVFB_PID" "Xvfb"
    XVFB_PID=""
    remove_package || { echo "FAIL: could not remove $PKG again" >&2; status=1; }
    rm -rf "$OPEN_DIR"
    exit "$status"
}
# The normal user of the hand-over must read the reading files and enter its own home
# and runtime folders, while the build tree may lie where no other user can enter (a
# checkout under /root or in a 0700 folder): those live in a folder that anyone may
# enter, made for this run.
OPEN_DIR=$(mktemp -d /tmp/zarvo-package-test.XXXXXX)
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
chmod 755 "$OPEN_DIR"

printf '%s\n' "$PKG" "${EXTRAS[@]}" >"$MARKER"
INSTALLED=1
apt-get install "${APT_OPTS[@]}" "$DEB" >"$WORK/apt-install.log" 2>&1 \
    || { cat "$WORK/apt-install.log"; die "apt-get install failed"; }
expect_eq "package status" "$(package_status "$PKG")" "install ok installed"
expect_eq "installed version" "$(dpkg-query -W -f='${Version}' "$PKG")" "$VERSION"
while read -r file; do
    [ -f "${file#.}" ] || die "not installed: ${file#.}"
done <"$WORK/files.deb"
missing_libs=$(ldd "/usr/bin/$PKG" | grep 'not found' || true)
[ -z "$missing_libs" ] || die "installed program: libraries not found: $missing_libs"
exec_command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "/usr/share/applications/$APP_ID.desktop")
expect_eq "program that the desktop entry starts" "$(PATH=/usr/bin:/bin command -v "$exec_command")" "/usr/bin/$PKG"

# ---------------------------------------------------------------------------------
step "Starting the installed program on its own X display"
mkfifo "$WORK/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/displayfd" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
DISPLAY_NUMBER=""
read -r -t 30 DISPLAY_NUMBER <"$WORK/displayfd" || true
[ -n "$DISPLAY_NUMBER" ] || { cat "$WORK/xvfb.log"; die "Xvfb did not start"; }
export DISPLAY=":$DISPLAY_NUMBER"
echo "display $DISPLAY"

mkdir -p "$WORK/home" "$WORK/config" "$WORK/data" "$WORK/cache"
mkdir -m 700 "$WORK/runtime"
# The private session of the test's user, on a GNOME-like desktop (xdg-open and
# xdg-mime then go through gio): env -i "${SESSION[@]}" COMMAND...
SESSION=(HOME="$WORK/home" PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY"
    XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_CACHE_HOME="$WORK/cache"
    XDG_RUNTIME_DIR="$WORK/runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-session-bus"
    XDG_CURRENT_DESKTOP=GNOME)
env -i "${SESSION[@]}" "/usr/bin/$PKG" >"$WORK/program.log" 2>&1 &
APP_PID=$!

escape_ere() {  # the text as an extended regular expression that matches only itself
    # shellcheck disable=SC2001,SC2016
    sed 's/[].[*^$()+?{}|\]/\\&/g' <<<"$1"
}
caption_pattern="^$(escape_ere "$CAPTION")\$"
window=$(timeout 30 xdotool search --sync --onlyvisible --name "$caption_pattern" | head -n1) || true
if [ -z "$window" ]; then
    cat "$WORK/program.log"
    kill -0 "$APP_PID" 2>/dev/null || die "the installed program ended without showing its main window"
    die "no visible window '$CAPTION' within 30 s"
fi
echo "main window $window"
properties=$(xprop -id "$window" _NET_WM_PID WM_CLASS _NET_WM_ICON)
grep -qx "_NET_WM_PID(CARDINAL) = $APP_PID" <<<"$properties" \
    || die "the window does not belong to the started program: $properties"
grep -q "^WM_CLASS(STRING) = .*\"$STARTUP_WM_CLASS\"" <<<"$properties" \
    || die "StartupWMClass '$STARTUP_WM_CLASS' does not match the window's $(grep WM_CLASS <<<"$properties")"
grep -q '^_NET_WM_ICON(CARDINAL) = ' <<<"$properties" \
    || die "the window has no icon"

# The window may be mapped before it is drawn: take screenshots until it shows.
SHOT="$WORK/screenshot.png"
deadline=$((SECONDS + 30))
while :; do
    if import -window root "$SHOT" 2>"$WORK/import.log"; then
        colours=$(identify -format '%k' "$SHOT")
        [ "$colours" -lt 64 ] || break
    fi
    [ "$SECONDS" -lt "$deadline" ] || { cat "$WORK/import.log"; die "the screen stayed empty (${colours:-no} colours)"; }
    sleep 0.2
done
echo "screenshot $SHOT ($colours colours)"
kill -0 "$APP_PID" 2>/dev/null || { cat "$WORK/program.log"; die "the program ended on its own"; }

stop_process "$APP_PID" "the program"
APP_PID=""

# ---------------------------------------------------------------------------------
step "Reading files as a document type"
# Two reading files, as the program writes them.
FILES="$OPEN_DIR/files"
mkdir -p "$FILES"
reading_file_bytes Anna Female 7 March 1984 >"$FILES/anna.tib"
reading_file_bytes Bob Male 2 June 1950 >"$FILES/bob m.tib"
chmod 755 "$FILES"
chmod 644 "$FILES"/*.tib

expect_eq "MIME type of a reading file" "$(env -i "${SESSION[@]}" xdg-mime query filetype "$FILES/anna.tib")" "$MIME_TYPE"
expect_eq "program for reading files" "$(env -i "${SESSION[@]}" xdg-mime query default "$MIME_TYPE")" "$APP_ID.desktop"

# program_windows: "ID ROLE" of every visible window of the program.
program_windows() {
    local id
    for id in $(xdotool search --onlyvisible --class "$STARTUP_WM_CLASS" 2>/dev/null); do
        echo "$id $(xprop -id "$id" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/^WM_WINDOW_ROLE(STRING) = "\(.*\)"$/\1/p')"
    done
}
# shown_reading FILE [REFERENCE]: waits until the program shows exactly one window, its
# result window, drawn (and, with a reference, looking exactly like it); keeps its
# picture in FILE and prints its id. A reading that is replaced gets a new window.
shown_reading() {
    local file=$1 reference=${2:-} deadline=$((SECONDS + 30)) now="" window colours="" differing="" geometry
    while :; do
        now=$(program_windows)
        if [ "$(wc -l <<<"$now")" -eq 1 ] && [ "${now#* }" = "ResultWindow" ]; then
            window=${now%% *}
            # Cut from the screen: the window may be replaced while it is captured, and
            # import, given a window that vanishes, waits for good with the server grabbed.
            geometry=$(xwininfo -id "$window" 2>/dev/null | awk '
                /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                /Width:/ {w = $2} /Height:/ {h = $2}
                END {if (w) printf "%dx%d+%d+%d", w, h, x, y}')
            if [ -n "$geometry" ] && import -window root -crop "$geometry" +repage "$file" 2>/dev/null; then
                colours=$(identify -format '%k' "$file")
                # What was cut from the screen belongs to the window only if that is
                # still the program's one window.
                if [ "$colours" -ge 64 ] && [ "$(program_windows)" = "$now" ]; then
                    [ -n "$reference" ] || { echo "$window"; return 0; }
                    differing=$(compare -metric AE "$file" "$reference" null: 2>&1) || true
                    [ "$differing" != 0 ] || { echo "$window"; return 0; }
                fi
            fi
        fi
        [ "$SECONDS" -lt "$deadline" ] \
            || die "no result window like ${reference:-any} within 30 s: windows [${now}], ${colours:-?} colours, ${differing:-?} pixels differ"
        sleep 0.2
    done
}
window_pid() { xprop -id "$1" _NET_WM_PID | sed -n 's/^_NET_WM_PID(CARDINAL) = //p'; }

# The reading of Bob, started directly, as the picture to compare with; Qt's own
# options stay Qt's.
env -i "${SESSION[@]}" "/usr/bin/$PKG" -platform xcb -style Fusion "$FILES/bob m.tib" >"$WORK/program-bob.log" 2>&1 &
APP_PID=$!
shown_reading "$WORK/bob.png" >/dev/null
stop_process "$APP_PID" "the program"
APP_PID=""

# Not running: xdg-open starts the program with the file.
env -i "${SESSION[@]}" xdg-open "$FILES/anna.tib" >"$WORK/xdg-open.log" 2>&1 || { cat "$WORK/xdg-open.log"; die "xdg-open failed"; }
window=$(shown_reading "$WORK/anna.png")
APP_PID=$(window_pid "$window")
differing=$(compare -metric AE "$WORK/anna.png" "$WORK/bob.png" null: 2>&1) || true
[ "$differing" != 0 ] || die "the readings of Anna and Bob look the same"

# Running: gio open hands the file to the running copy, which shows its reading.
env -i "${SESSION[@]}" gio open "$FILES/bob m.tib" >"$WORK/gio-open.log" 2>&1 || { cat "$WORK/gio-open.log"; die "gio open failed"; }
window=$(shown_reading "$WORK/bob-handed.png" "$WORK/bob.png")
expect_eq "process that shows the handed-over reading" "$(window_pid "$window")" "$APP_PID"
import -window root "$WORK/screenshot-handed-over.png"
echo "screenshot $WORK/screenshot-handed-over.png"
stop_process "$APP_PID" "the program"
APP_PID=""

# ---------------------------------------------------------------------------------
step "Handing over as a normal user; another user is refused"
USER_ID=65534  # nobody
mkdir -p "$OPEN_DIR/user-home"
mkdir -m 700 "$OPEN_DIR/user-runtime"
chown "$USER_ID:$USER_ID" "$OPEN_DIR/user-home" "$OPEN_DIR/user-runtime"
AS_USER=(setpriv --reuid="$USER_ID" --regid="$USER_ID" --clear-groups
    env -i HOME="$OPEN_DIR/user-home" PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY"
    XDG_RUNTIME_DIR="$OPEN_DIR/user-runtime")
for path in "$FILES/anna.tib" "$FILES/bob m.tib"; do
    "${AS_USER[@]}" test -r "$path" || die "the user $USER_ID cannot read $path"
done
"${AS_USER[@]}" "/usr/bin/$PKG" "$FILES/anna.tib" >"$WORK/program-user.log" 2>&1 &
APP_PID=$!
window=$(shown_reading "$WORK/anna-user.png" "$WORK/anna.png")
SOCKET="$OPEN_DIR/user-runtime/$PKG/reading"
[ -S "$SOCKET" ] || die "no socket $SOCKET"
# Root may enter the user's folder, but the program takes nothing from another user:
# it closes the connection without an answer.
answer=$(python3 - "$SOCKET" "$FILES/bob m.tib" <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.settimeout(10)
s.connect(sys.argv[1])
try:
    s.sendall(sys.argv[2].encode() + b"\0")
    answer = s.recv(16)
except (BrokenPipeError, ConnectionResetError):
    answer = b""
print(repr(answer))
PY
) || die "could not talk to $SOCKET"
expect_eq "answer to another user" "$answer" "b''"
shown_reading "$WORK/anna-user.png" "$WORK/anna.png" >/dev/null
# The user's own second start hands the file over and ends at once, without a window.
"${AS_USER[@]}" timeout 30 "/usr/bin/$PKG" "$FILES/bob m.tib" >"$WORK/program-user2.log" 2>&1 \
    || { cat "$WORK/program-user2.log"; die "the second start as the user failed"; }
window=$(shown_reading "$WORK/bob-user.png" "$WORK/bob.png")
expect_eq "process of the user's reading" "$(window_pid "$window")" "$APP_PID"
stop_process "$APP_PID" "the program"
APP_PID=""

# ---------------------------------------------------------------------------------
step "Ending the program and removing the package"
stop_process "$XVFB_PID" "Xvfb"
XVFB_PID=""
remove_package || die "apt-get purge failed"
for name in "$PKG" "${EXTRAS[@]}"; do
    ! is_present "$name" || die "$name is still present: $(package_status "$name")"
done
while read -r file; do
    [ ! -e "${file#.}" ] || die "left behind: ${file#.}"
done <"$WORK/files.deb"
echo "PASS"
