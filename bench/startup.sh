#!/usr/bin/env bash
# Start-up next to the floor: builds the wizard and a bare Qt dialog in Release, starts them alternately on a
# display of their own (15 times each unless told), and prints both medians, from process start until the window
# is mapped, their peak memory and the ratios.
#   bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
scripts/install-deps.sh bench
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQELWIZARD_TESTS=OFF -DQELWIZARD_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" --target QelWizard qel_bare_dialog qel_startwatch >/dev/null
echo "$(nproc) cores, $(fc-list | wc -l) font faces, Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6)"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    build-bench/bench/qel_startwatch "$runs" "bare=build-bench/bench/qel_bare_dialog" "wizard=build-bench/QelWizard"
