#!/usr/bin/env bash
# Every performance measurement, from a fresh clone: builds in Release (into build-bench/), then
#  1. start-up: the wizard and a bare Qt dialog started alternately on a display of their own, [runs] times each
#     (15 unless told), timed from process start until the window is mapped and until it shows its first complete
#     frame; medians, peak memory, ratios;
#  2. start-up in instructions (bench/instructions.sh): the same two programs once each under callgrind, from their
#     start until their window idles; on a shared machine only this shows a change of a few percent;
#  3. the Google benchmarks of bench/bench_main.cpp, with the ratios their targets speak of.
#   bench/run.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
scripts/install-deps.sh bench
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQELWIZARD_TESTS=OFF -DQELWIZARD_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" --target QelWizard qel_bare_dialog qel_startwatch qel_bench >/dev/null

echo "$(. /etc/os-release && echo "$PRETTY_NAME"), $(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 |
    sed 's/^ //')), Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), $(fc-list | wc -l) font faces"
echo
echo "Start-up, $runs runs each:"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    build-bench/bench/qel_startwatch "$runs" "bare=build-bench/bench/qel_bare_dialog" "wizard=build-bench/QelWizard" |
    grep -v '^run '
echo
echo "Start-up in instructions, from start until the window idles:"
bench/instructions.sh "bare=build-bench/bench/qel_bare_dialog" "wizard=build-bench/QelWizard"
echo
cd build-bench # the benchmarks write their files beside the build, on the disk a bot's folder would be on
QT_QPA_PLATFORM=offscreen bench/qel_bench --benchmark_enable_random_interleaving=true 2>&1 | grep -v "^QStandardPaths"
