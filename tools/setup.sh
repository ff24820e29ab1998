# Shared set-up of ./run and ./test: installs what is missing on Debian or
# Ubuntu, then configures and builds a preset. Sourced, not run.

MIRVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Everything the build, the tests and the desktop program need.
MIRVANE_PACKAGES=(
    cmake ninja-build g++ pkgconf
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    xvfb xauth
    libcli11-dev libical-dev libsqlite3-dev nlohmann-json3-dev
    libhowardhinnant-date-dev libcctz-dev tzdata
    clang
    librsvg2-bin gzip dpkg-dev file man-db appstream desktop-file-utils
    poppler-utils dbus
    # Syncing: the keyring, and the CalDAV server the tests run.
    qtkeychain-qt6-dev radicale
    # Only the engine benchmark's yardstick, ICU's Hebrew calendar.
    libicu-dev
)

mirvane_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "mirvane: need root (or sudo) to install: ${*: -1}" >&2
        return 1
    fi
}

mirvane_install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "mirvane: installing ${missing[*]}"
    mirvane_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q || return 1
    mirvane_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The fuzz build links the sanitizer runtime of the clang that is installed,
# whichever version the distribution's clang is.
mirvane_clang_runtime_package() {
    local major
    major=$(clang --version 2>/dev/null | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1)
    [ -n "$major" ] || return 1
    echo "libclang-rt-$major-dev"
}

mirvane_install_packages() {
    mirvane_install_missing "${MIRVANE_PACKAGES[@]}" || return 1
    local runtime
    runtime=$(mirvane_clang_runtime_package) || {
        echo "mirvane: clang is not installed" >&2
        return 1
    }
    mirvane_install_missing "$runtime"
}

# Configures a preset once, then builds it incrementally.
mirvane_build() {
    local preset=$1
    cd "$MIRVANE_ROOT" || return 1
    if [ ! -f "build/$preset/build.ninja" ]; then
        cmake --preset "$preset" || return 1
    fi
    cmake --build --preset "$preset"
}
