#!/usr/bin/env bash
# The wizard is hardened as Debian's own programs are: its relocations are all resolved at start and then made
# read-only (BIND_NOW with RELRO), and its code calls the stack protector's check.
#   program-is-hardened.sh PROGRAM
set -euo pipefail
program=$1
fail() {
    echo "$program: $*" >&2
    exit 1
}
readelf -d -W "$program" >"$program.dynamic"
readelf -l -W "$program" >"$program.segments"
readelf --dyn-syms -W "$program" >"$program.symbols"
grep -Eq 'FLAGS.*BIND_NOW|FLAGS_1.*NOW' "$program.dynamic" || fail "no BIND_NOW: linked without -z now"
grep -q 'GNU_RELRO' "$program.segments" || fail "no RELRO segment: linked without -z relro"
grep -q ' __stack_chk_fail' "$program.symbols" || fail "no call of __stack_chk_fail: built without the stack protector"
echo "$program: BIND_NOW, RELRO and the stack protector"
