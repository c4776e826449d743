# Shared by run.sh and test.sh: package checks and the build.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

BUILD_PACKAGES="cmake g++ make qt6-base-dev qt6-svg-dev libqt6svg6 fonts-dejavu-core fonts-tibetan-machine qt6-tools-dev qt6-l10n-tools \
qt6-translations-l10n"

# Installs the Debian packages that are missing; as a non-root user prints the one
# command needed and fails.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures a preset (once) and builds it incrementally: build_preset NAME [TARGET]
build_preset() {
    local preset="$1" target="${2:-}"
    local dir="$ROOT/build"
    [ "$preset" != "default" ] && dir="$ROOT/build-$preset"
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        (cd "$ROOT" && cmake --preset "$preset" >/dev/null)
    fi
    if [ -n "$target" ]; then
        cmake --build "$dir" --target "$target" -j"$(nproc)"
    else
        (cd "$ROOT" && cmake --build --preset "$preset" -j"$(nproc)")
    fi
}
