#!/usr/bin/env bash
# Builds everything with warnings as errors (installing what is missing) and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DQELWIZARD_WERROR=ON -DQELWIZARD_BENCH=ON
cmake --build build-tests -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-tests --output-on-failure
