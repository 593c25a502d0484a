#!/usr/bin/env bash
# Sets up Lunetra on a Debian 12 machine.
#
#   ./setup.sh demo   install missing packages, build, start Lunetra on demo data
#   ./setup.sh test   install missing packages, build, run all tests
set -euo pipefail

cd "$(dirname "$0")"

BUILD_DIR=build
DEMO_DIR="$BUILD_DIR/demo"
DEMO_DB="$DEMO_DIR/parzelle.mdb"

# Debian packages needed to build, run and test Lunetra.
PACKAGES=(
    build-essential
    cmake
    qt6-base-dev
    libqt6sql6-sqlite       # the QSQLITE driver
    qt6-translations-l10n   # Qt's German dialog texts
    libsqlite3-dev
    sqlite3
    libgl-dev
    pkg-config
    libqrencode-dev         # GiroCodes on bills and letters
    fonts-liberation2       # Liberation Sans and Liberation Mono
    fonts-urw-base35        # P052 serif
    poppler-utils           # pdftotext/pdftoppm for the PDF tests
    zbar-tools              # zbarimg reads the GiroCodes back in the PDF tests
    clang-format
)

usage() {
    cat <<'EOF'
Usage: ./setup.sh COMMAND

Commands:
  demo   install missing Debian packages, build, and start Lunetra on demo data
         (build/demo/parzelle.mdb, created once and kept afterwards) in a German
         locale
  test   install missing Debian packages, build, and run all tests
EOF
}

log() {
    printf '==> %s\n' "$*"
}

is_installed() {
    local status
    status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]]
}

# Runs an apt-get command as root: directly when we are root, otherwise via sudo.
as_root_apt_get() {
    if [[ $(id -u) -eq 0 ]]; then
        DEBIAN_FRONTEND=noninteractive apt-get "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo env DEBIAN_FRONTEND=noninteractive apt-get "$@"
    else
        echo "error: packages are missing and this is not root; install sudo or run as root" >&2
        exit 1
    fi
}

install_packages() {
    local missing=() pkg
    for pkg in "${PACKAGES[@]}"; do
        is_installed "$pkg" || missing+=("$pkg")
    done
    if [[ ${#missing[@]} -eq 0 ]]; then
        log "All Debian packages are installed"
        return
    fi
    log "Installing missing Debian packages: ${missing[*]}"
    as_root_apt_get update
    as_root_apt_get install -y --no-install-recommends "${missing[@]}"
}

configure() {
    log "Configuring"
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

build() {
    log "Building"
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}

create_demo_database() {
    if [[ -e "$DEMO_DB" ]]; then
        log "Keeping the existing demo database $DEMO_DB"
        return
    fi
    log "Writing the demo database $DEMO_DB"
    mkdir -p "$DEMO_DIR"
    "$BUILD_DIR/tools/demodata/lunetra-demodata" "$DEMO_DB"
}

start_program() {
    if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
        echo "warning: no DISPLAY or WAYLAND_DISPLAY set; the window may not be able to open" >&2
    fi
    local program="$PWD/$BUILD_DIR/src/lunetra"
    log "Starting Lunetra in $DEMO_DIR with German numbers and dates"
    cd "$DEMO_DIR"
    # The demo shows what the treasurers see on their German systems ("1.679,00"), whatever
    # this machine's locale is. Qt brings its own locale data, so no system locale has to be
    # installed; the program itself follows whatever locale it is started under.
    exec env -u LC_ALL -u LC_NUMERIC -u LC_TIME -u LC_MONETARY -u LC_MESSAGES \
        LANG=de_DE.UTF-8 "$program"
}

run_tests() {
    log "Running the tests"
    local rc=0
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure || rc=$?
    return "$rc"
}

cmd_demo() {
    install_packages
    configure
    build
    create_demo_database
    start_program
}

cmd_test() {
    install_packages
    configure
    build
    run_tests
}

main() {
    case "${1:-}" in
        demo) cmd_demo ;;
        test) cmd_test ;;
        *)
            usage >&2
            exit 2
            ;;
    esac
}

main "$@"
