#!/usr/bin/env bash
# Builds QelWizard.exe and the Windows tests (scripts/build-windows.sh) and runs the tests under Wine, in a Wine
# prefix of their own, on a virtual display: the window test needs a real Windows window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-windows.sh
xvfb-run -a ctest --test-dir build-windows --output-on-failure || {
    tail -n 30 build-windows/tests/*.log
    exit 1
}
