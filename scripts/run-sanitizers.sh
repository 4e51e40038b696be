#!/usr/bin/env bash
# Builds everything with AddressSanitizer (leak checking on) and UndefinedBehaviorSanitizer in build-asan/ and runs
# every test; the first report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQELWIZARD_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags"
cmake --build build-asan -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -E clang_format
