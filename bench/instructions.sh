#!/usr/bin/env bash
# Counts the instructions a program runs from its start until its window idles, under callgrind, on a display of its
# own: repeatable to a fraction of a percent whatever else the machine does, where wall-clock start-up times are not.
#   bench/instructions.sh NAME=PROGRAM...
# Prints one line a program: its name, the instructions in millions and their ratio to the first program's. The window idles once it is mapped and its
# count of executed blocks has stopped growing: it is then ended with SIGTERM, which callgrind survives long enough to write its counts.
set -euo pipefail
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$0" "$@"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for named in "$@"; do
    name=${named%%=*} program=${named#*=}
    valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" "$program" 2>"$work/$name.log" &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
    # Idle: two readings of the count a second apart that agree.
    last=-1
    while :; do
        sleep 1
        now=$(callgrind_control -s "$pid" 2>/dev/null | sed -n 's/.*Basic blocks:.*executed \([0-9,]*\).*/\1/p')
        [ "$now" = "$last" ] && break
        last=$now
    done
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    count=$(awk '/^summary:/ { print $2 }' "$work/$name.out")
    first=${first:-$count}
    awk -v name="$name" -v count="$count" -v first="$first" \
        'BEGIN { printf "%-8s %8.1f M instructions  %5.3f\n", name, count / 1e6, count / first }'
done
