#!/usr/bin/env bash
# Start-up of QelWizard.exe under Wine next to its floor, a bare Qt dialog built against the same static Qt: both
# started alternately on a display of their own, [runs] times each (15 unless told), timed from the start of
# `wine PROGRAM.exe` until the window is mapped and until it shows its first complete frame; medians and ratios.
#   bench/wine-startup.sh [runs]                     against the static Qt that scripts/build-windows.sh builds
#   QELWIZARD_QT=DIR bench/wine-startup.sh [runs]    against another static Qt for Windows installed in DIR
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
# The two programs are built where that Qt's host tools are: for the static Qt of scripts/build-windows.sh, in
# Debian 13.
build_here=()
if [ -z "${QELWIZARD_QT:-}" ]; then
    scripts/build-windows.sh >/dev/null # the static Qt, built once
    qt=$(cat build-windows/qt-home.txt)/static
    [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = trixie ] || build_here=(scripts/debian13.sh windows)
else
    qt=$QELWIZARD_QT
fi
scripts/install-deps.sh bench

# The stopwatch runs here, under this system's Wine; the two programs are built in a folder of their own for each Qt.
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQELWIZARD_TESTS=OFF -DQELWIZARD_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" --target qel_startwatch >/dev/null
out=build-bench-windows/$(printf '%s' "$qt" | sha256sum | cut -c1-16)
"${build_here[@]}" bash -c '"$0/bin/qt-cmake" -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQELWIZARD_TESTS=OFF \
    -DQELWIZARD_BENCH=ON -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF --no-warn-unused-cli && cmake --build "$1" -j "$(nproc)" --target QelWizard qel_bare_dialog' \
    "$qt" "$out" >/dev/null

echo "$(. /etc/os-release && echo "$PRETTY_NAME"), $(nproc) cores, $(wine --version 2>/dev/null), Qt in $qt"
echo "QelWizard.exe $(stat -c %s "$out/QelWizard.exe") bytes," \
    "qel_bare_dialog.exe $(stat -c %s "$out/bench/qel_bare_dialog.exe") bytes"
echo
echo "Start-up under Wine, $runs runs each:"
export WINEPREFIX=$PWD/build-bench-windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One Wine server for all the runs, started before them, as on a desktop where Wine already runs.
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c '
    wineboot -i >/dev/null 2>&1
    wineserver -p
    trap "wineserver -k" EXIT
    "$0/qel_startwatch" "$1" "bare=wine $2/bench/qel_bare_dialog.exe" "wizard=wine $2/QelWizard.exe"' \
    build-bench/bench "$runs" "$out" | grep -v '^run '
