#!/usr/bin/env bash
# Builds QelWizard.exe and the Windows tests (scripts/build-windows.sh) and runs the tests under every Wine at hand, in
# a Wine prefix of their own made anew for each, on a virtual display: the window test needs a real Windows window.
# On Debian 12 that is its Wine 8 and then Debian 13's Wine 10 in the chroot the exe is built in; on Debian 13, its
# Wine 10 (Debian 13 has no Wine 8).
#   scripts/test-windows.sh           build, then test under each Wine
#   scripts/test-windows.sh --here    test the built exe under this system's Wine only
set -euo pipefail
cd "$(dirname "$0")/.."
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")

test_here() {
    scripts/install-deps.sh wine
    rm -rf build-windows/wineprefix
    echo "test-windows: the Windows tests under $(wine --version) (Debian ${codename:-?})"
    xvfb-run -a ctest --test-dir build-windows --output-on-failure || {
        tail -n 30 build-windows/tests/*.log
        exit 1
    }
}

if [ "${1:-}" = --here ]; then
    test_here
    exit 0
fi
scripts/build-windows.sh
test_here
if [ "$codename" != trixie ]; then
    scripts/debian13.sh wine scripts/test-windows.sh --here
fi
