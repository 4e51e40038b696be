#!/usr/bin/env bash
# Prints the tests' share of the project's code: non-blank lines that are not only a comment, of the C++ in tests/
# and fuzz/, against the program's code together with the tests. The program's code is its C++ in src/ and, since
# the window and its pages are Designer forms that stand where C++ once did, the non-blank lines of those forms. The
# rule is a quarter to a third, forms counted; the C++-only figure is printed beside it.
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
share() { awk -v t="$1" -v a="$2" 'BEGIN { printf "%.1f%%", 100 * t / a }'; }
code=$(lines src)
forms=$(find src -name '*.ui' | sort | xargs cat | grep -c -v '^[[:space:]]*$')
tests=$(lines tests fuzz)
echo "src C++: $code, forms: $forms, tests and fuzz: $tests"
echo "share, forms counted: $tests of $((code + forms + tests)) = $(share "$tests" "$((code + forms + tests))")"
echo "share, C++ only:      $tests of $((code + tests)) = $(share "$tests" "$((code + tests))")"
