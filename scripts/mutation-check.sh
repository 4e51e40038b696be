#!/usr/bin/env bash
# Plants one fault at a time from scripts/mutations.txt into a copy of the sources, rebuilds, runs the tests and
# prints which tests catch it. A fault no test catches is listed as "SURVIVED". It fails when a fault survives, does
# not build, or cannot be planted.
#   scripts/mutation-check.sh            every fault
#   scripts/mutation-check.sh F03 F17    only these
#   scripts/mutation-check.sh --check    only whether every fault can be planted: its text occurs once where it says
# Each fault is a block of "id:", "file:", "find:", "replace:" and "what:" lines; blocks are separated by an empty
# line. find and replace are literal text, "<NL>" standing for a line break; find must occur exactly once in file.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
work=$repo/build-mutation
tree=$work/tree
check_only=false
if [ "${1:-}" = --check ]; then
    check_only=true
    shift
fi
if ! $check_only; then
    scripts/install-deps.sh run
    rm -rf "$tree"
    mkdir -p "$tree"
    git ls-files -z | xargs -0 cp --parents -t "$tree"
    cmake -S "$tree" -B "$work/build" -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O0 -g0" >/dev/null
    cmake --build "$work/build" -j "$(nproc)" >/dev/null
fi
failed=0

# Prints the failing test functions of the last run, or the failing executables where none is named.
failures() {
    local names
    names=$(grep -oE '^FAIL!  : [A-Za-z]+::[A-Za-z_0-9]+' "$work/ctest.log" | sed 's/^FAIL!  : //' | sort -u |
        tr '\n' ' ')
    [ -n "$names" ] || names=$(grep -oE '[0-9]+ - [a-z_]+ \([A-Za-z ]+\)' "$work/ctest.log" | tr '\n' ' ')
    echo "${names:-the tests stopped part way (exit $1)}"
}

run_fault() {
    local id=$1 file=$2 find=$3 replace=$4 what=$5
    if [ -n "${selected:-}" ] && [[ " $selected " != *" $id "* ]]; then return; fi
    local count
    count=$(FIND=$find perl -0777 -ne '$f = $ENV{FIND}; $f =~ s/<NL>/\n/g; $n = () = /\Q$f\E/g; print $n' \
        "$repo/$file")
    if [ "$count" != 1 ]; then
        printf '%-4s %-55s %s\n' "$id" "$what" "BAD FAULT: find occurs $count times in $file"
        failed=1
        return
    fi
    $check_only && return
    FIND=$find REPLACE=$replace perl -0777 -pe '$f = $ENV{FIND}; $r = $ENV{REPLACE}; s/<NL>/\n/g for $f, $r;
        s/\Q$f\E/$r/' "$repo/$file" >"$tree/$file"
    local result
    if ! cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1; then
        result="BUILD FAILS"
        failed=1
    else
        local status=0
        # Not the fault list's own check, which any planted fault fails.
        QT_QPA_PLATFORM=offscreen timeout 300 ctest --test-dir "$work/build" -E "clang_format|fault_list_plants" --output-on-failure \
            >"$work/ctest.log" 2>&1 || status=$?
        if [ "$status" -eq 0 ]; then
            result=SURVIVED
            failed=1
        else
            result=$(failures "$status")
        fi
    fi
    cp "$repo/$file" "$tree/$file"
    printf '%-4s %-55s %s\n' "$id" "$what" "$result"
}

selected="$*"
declare -A fault=()
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
    '#'*) ;;
    '')
        [ -n "${fault[id]:-}" ] && run_fault "${fault[id]}" "${fault[file]}" "${fault[find]}" "${fault[replace]-}" \
            "${fault[what]}"
        fault=()
        ;;
    *)
        value=${line#*:}
        fault[${line%%:*}]=${value# }
        ;;
    esac
done <scripts/mutations.txt
[ -n "${fault[id]:-}" ] && run_fault "${fault[id]}" "${fault[file]}" "${fault[find]}" "${fault[replace]-}" \
    "${fault[what]}"
if $check_only; then
    [ "$failed" -eq 0 ] && echo "every fault of scripts/mutations.txt can be planted"
    exit "$failed"
fi
# Rebuild the unchanged sources, so the next run starts from them.
cmake --build "$work/build" -j "$(nproc)" >/dev/null
exit "$failed"
