# shellcheck shell=bash
# Sourced by the other scripts: where the repository is, the Debian 12
# packages Tavoro needs to build, test and run, and the check that installs
# the missing ones.

# shellcheck disable=SC2034 # used by the scripts that source this file
TAVORO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

TAVORO_DEBIAN_PACKAGES=(
    build-essential
    cmake
    clang-format
    clang-tidy
    pkg-config
    qt6-base-dev
    libqt6sql6-sqlite
    libqt6sql6-psql
    qt6-serialport-dev
    qt6-charts-dev
    qt6-httpserver-dev
    qt6-websockets-dev
    qt6-tools-dev
    qt6-l10n-tools
    qt6-translations-l10n
    libgl-dev
    libsqlite3-dev
    libsodium-dev
    libxlsxwriter-dev
    libpq-dev
    sqlite3
    postgresql
    fonts-noto-cjk
    fonts-wqy-microhei
    poppler-utils
    python3-openpyxl
    xvfb
    xauth
    chromium
    lintian
    appstream
    desktop-file-utils
)

tavoro_missing_packages() {
    local package status
    for package in "${TAVORO_DEBIAN_PACKAGES[@]}"; do
        status="$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)"
        if [[ "$status" != ii* ]]; then
            echo "$package"
        fi
    done
}

# Installs what is missing when run as root; otherwise prints the command to
# run and stops, since building without the packages can only fail later.
tavoro_ensure_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "Not a Debian system: make sure these are installed: ${TAVORO_DEBIAN_PACKAGES[*]}" >&2
        return 0
    fi
    local missing
    mapfile -t missing < <(tavoro_missing_packages)
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    if ((EUID == 0)); then
        echo "Installing missing packages: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update
        apt-get install -y "${missing[@]}"
        return 0
    fi
    echo "Tavoro needs these Debian packages, which are not installed: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
}

# ccache is used when present; a fresh machine builds without it.
TAVORO_LAUNCHER_ARGS=()
if command -v ccache >/dev/null 2>&1; then
    TAVORO_LAUNCHER_ARGS=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

tavoro_jobs() {
    nproc 2>/dev/null || echo 2
}
