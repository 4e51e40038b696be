#!/usr/bin/env bash
# Prints the user part of README.md (its opening and everything up to the developers' part, less building from
# source) as plain text for the Windows download's README.txt, with the version filled in.
#   scripts/readme-txt.sh VERSION
set -euo pipefail
cd "$(dirname "$0")/.."
version=$1
title="Qel Configuration Wizard, version $version"
printf '%s\n%s\n' "$title" "$(printf '%s' "$title" | tr -c '' '=')"
awk '/^## For developers/ { exit } /^## / { skip = /^## Build from source/ } !skip && NR > 1' README.md | grep -v '^!\[' | cat -s |
    awk '
        /^```/ { code = !code; next }
        code { print "    " $0; next }
        /^#+ / {
            level = index($0, " ") - 1
            text = substr($0, level + 2)
            line = text
            gsub(/./, level <= 2 ? "=" : "-", line)
            print text; print line; next
        }
        { print }' |
    sed -E -e 's/\[([^]]*)\]\([^)]*\)/\1/g' -e 's/\*\*([^*]*)\*\*/\1/g' -e 's/`//g' -e "s/<version>/$version/g"
