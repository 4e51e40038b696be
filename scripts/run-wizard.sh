#!/usr/bin/env bash
# Builds the wizard (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQELWIZARD_TESTS=OFF -DQELWIZARD_BENCH=OFF
cmake --build build -j "$(nproc)" --target QelWizard
exec build/QelWizard
