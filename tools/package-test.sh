#!/usr/bin/env bash
# Makes the Debian package from a build folder (build/default unless one is
# named), installs it into this machine with apt-get, runs both programs from
# it and removes it again. Exits non-zero when any step fails. Needs root or
# sudo, as the set-up does.
set -uo pipefail
source "$(dirname "$0")/setup.sh"

build_dir=${1:-$MIRVANE_ROOT/build/default}
work=$(mktemp -d)
installed=0

finish() {
    local status=$?
    if [ $installed -eq 1 ]; then
        mirvane_as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q mirvane >/dev/null 2>&1
    fi
    rm -rf "$work"
    exit $status
}
trap finish EXIT

fail() {
    echo "package test: $*" >&2
    exit 1
}

step() {
    echo "== package: $*"
}

step "build"
cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
packages=("$work"/mirvane_*.deb)
[ -f "${packages[0]}" ] || fail "cpack made no mirvane_*.deb"

# A run that was stopped half-way may have left its package behind.
if dpkg-query -W -f='${Status}' mirvane 2>/dev/null | grep -q "install ok installed"; then
    step "remove the package left by an earlier run"
    mirvane_as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q mirvane >/dev/null ||
        fail "cannot remove the mirvane package already installed"
fi

step "install ${packages[0]##*/}"
# apt-get reads a package in a private folder as the unprivileged _apt user
# and warns when it cannot; the package is world-readable for that.
chmod a+rx "$work" && chmod a+r "${packages[0]}"
installed=1
(cd "$work" && mirvane_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./${packages[0]##*/}") ||
    fail "apt-get install failed"

step "run mirvane-cli"
version=$(/usr/bin/mirvane-cli --version) || fail "mirvane-cli --version failed"
[[ $version == "mirvane-cli "* ]] || fail "mirvane-cli --version printed '$version'"
echo "$version"
/usr/bin/mirvane-cli convert 1970-12-01 | grep -qx "3 Kislev 5731" || fail "mirvane-cli convert gave a wrong answer"
# The place list installed beside the program, and the zone database.
/usr/bin/mirvane-cli times 2026-12-11 --place jerusalem --format csv | grep -q "+02:00" ||
    fail "mirvane-cli times found no place list or zone"
man -l /usr/share/man/man1/mirvane-cli.1.gz >/dev/null 2>&1 || fail "the manual page does not format"

step "run mirvane"
# The program takes no arguments and never ends by itself: still running
# after five seconds, when timeout ends it (status 124), is success.
config=$(mktemp -d -p "$work")
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$config timeout 5 /usr/bin/mirvane
status=$?
[ $status -eq 124 ] || fail "mirvane ended by itself with status $status"

step "remove"
mirvane_as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q mirvane || fail "apt-get remove failed"
installed=0
for file in /usr/bin/mirvane /usr/bin/mirvane-cli /usr/libexec/mirvane/mirvane-cli-all \
    /usr/share/applications/org.tellwen.Mirvane.desktop \
    /usr/share/mirvane/places.tsv; do
    [ ! -e "$file" ] || fail "$file is left after removal"
done
echo "== package: passed"
