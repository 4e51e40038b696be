#!/usr/bin/env bash
# Builds the libFuzzer target with clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz/ and runs
# each for the given number of seconds (60 by default), starting from the seeds in fuzz/corpus/. A broken property
# or a sanitizer report stops the run and fails it, leaving the input that did it in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh test
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQELWIZARD_TESTS=OFF \
    -DQELWIZARD_FUZZ=ON -DQELWIZARD_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_config
for target in config; do
    mkdir -p "build-fuzz/corpus-$target"
    if ! (cd build-fuzz && "./fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        "corpus-$target" "../fuzz/corpus/$target" >"fuzz-$target.log" 2>&1); then
        tail -n 40 "build-fuzz/fuzz-$target.log"
        echo "fuzz_$target failed; the input is in build-fuzz/" >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep -o 'number_of_executed_units: *[0-9]*' "build-fuzz/fuzz-$target.log" | grep -o '[0-9]*$') runs in $seconds s"
done
