#!/usr/bin/env bash
# Prints the tests' share of the project's C++: non-blank lines that are not only a comment, in tests/ and fuzz/,
# against those of src/, tests/ and fuzz/ together. The rule is a quarter to a third.
set -euo pipefail
cd "$(dirname "$0")/.."
lines() {
    find "$@" -name '*.cpp' -o -name '*.h' | sort | xargs cat | awk '
        /^[ \t]*$/ { next }
        inside { if (/\*\//) inside = 0; next }
        /^[ \t]*\/\// { next }
        /^[ \t]*\/\*/ { if (!/\*\//) inside = 1; next }
        { n++ }
        END { print n + 0 }'
}
code=$(lines src)
tests=$(lines tests fuzz)
echo "src: $code, tests and fuzz: $tests, share: $tests of $((code + tests)) = $(awk -v t="$tests" -v a="$((code + tests))" 'BEGIN { printf "%.1f%%", 100 * t / a }')"
