#!/usr/bin/env bash
# A Generate on a failing disk says what is true: each case makes one system call of the write fail, the very call of
# the Generate (its ordinal among that thread's calls of the same name is read off a first, untouched trace), with and
# without an old config.txt. GENERATE_ONCE's exit status is what the wizard would show: 0 "Finished!", 1 the box that
# says the old config.txt is unchanged, 3 the box that says the new one is in place but not confirmed on the disk.
# Each case then holds the old bytes or the new ones as its outcome promises, no temporary file, and a second Generate
# that writes the right bytes.
#   tests/generate-survives-faults.sh GENERATE_ONCE WORK_FOLDER
set -euo pipefail
program=$1
work=$2
folder=$work/bot
# LeakSanitizer cannot work under a tracer: in the sanitizer build, the traced program leaves leaks to the other tests.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
calls=openat,write,fcntl,dup,fdatasync,fsync,close,link,linkat,rename,renameat,renameat2
old_bytes=$'an old config.txt\r\n'

# The right bytes, from a Generate that nothing disturbs.
rm -rf "$work" && mkdir -p "$folder"
"$program" "$folder"
cp "$folder/config.txt" "$work/expected.txt"
printf %s "$old_bytes" >"$work/old.txt"

# Prints "syscall ordinal" of the call that the target names in the trace of an untouched Generate:
#   write-new, fdatasync-new, close-new (of the new file, or of a copy of its descriptor), link-config,
#   rename-config (the calls that give config.txt its name), open-folder, fsync-folder (once it has its name).
find_call() {
    strace -f -qq -s 256 -e trace=$calls -o "$work/trace.txt" "$program" "$folder"
    awk -v folder="$folder" -v target="$1" '
        function result() { return $NF ~ /^-?[0-9]+$/ && $(NF - 1) == "=" ? $NF : "-1" }
        function first(   parts) { split($0, parts, /[(,)]/); return parts[2] }
        function hit(name) { print name, count[pid, name]; found = 1; exit }
        {
            pid = $1; sub(/^[0-9]+ +/, ""); name = $0; sub(/\(.*/, "", name); count[pid, name]++
            names = index($0, "\"" folder "/config.txt\"") && result() == 0
        }
        name == "openat" && /O_DIRECTORY/ && index($0, "\"" folder "\"") {
            if (named && target == "open-folder") hit(name)
            if (named) folderFd = result()
            next
        }
        name == "openat" && (index($0, "\"" folder "/") || /O_TMPFILE/) && /O_(WRONLY|RDWR)/ {
            newFd[result()] = 1; next
        }
        (name == "dup" || name == "fcntl" && /F_DUPFD/) && newFd[first()] { newFd[result()] = 1; next }
        name == "write" && newFd[first()] && target == "write-new" { hit(name) }
        name == "fdatasync" && newFd[first()] && target == "fdatasync-new" { hit(name) }
        name == "close" && newFd[first()] { if (target == "close-new") hit(name); delete newFd[first()] }
        name ~ /^link/ && index($0, "\"" folder "/config.txt\"") && target == "link-config" { hit(name) }
        name ~ /^rename/ && index($0, "\"" folder "/config.txt\"") && target == "rename-config" { hit(name) }
        name == "fsync" && named && first() == folderFd && target == "fsync-folder" { hit(name) }
        names { named = 1 }
        END { if (!found) exit 1 }' "$work/trace.txt"
}

# What the box says of config.txt, by the outcome; "Finished!" brings none.
boxes=([0]="" [1]="*Any earlier config.txt there is unchanged.*"
    [3]="The new config.txt is in place, but the system could not confirm that it is on the disk:*")
entries() { ls -A "$folder" | tr '\n' ' '; }
failed=0
check() {
    local old=$1 target=$2 error=$3 expected=$4
    rm -rf "$folder" && mkdir -p "$folder"
    [ "$old" = old ] && cp "$work/old.txt" "$folder/config.txt"
    local call
    if ! call=$(find_call "$target"); then
        echo "$old, $target: the call is not made"
        failed=1
        return
    fi
    rm -rf "$folder" && mkdir -p "$folder"
    [ "$old" = old ] && cp "$work/old.txt" "$folder/config.txt"
    local name=${call% *} ordinal=${call#* } status=0 box
    box=$(strace -f -qq -o /dev/null -e trace="$name" -e inject="$name:error=$error:when=$ordinal" \
        "$program" "$folder") || status=$?
    local problem=
    if [ "$status" != "$expected" ]; then
        problem="Generate answered $status, not $expected"
    elif [[ "$box" != ${boxes[$expected]} ]]; then
        problem="the box says: ${box:-nothing}"
    elif [ "$expected" = 1 ] && [ "$old" = old ] && ! cmp -s "$folder/config.txt" "$work/old.txt"; then
        problem="the old config.txt changed"
    elif [ "$expected" = 1 ] && [ "$old" = new ] && [ -n "$(entries)" ]; then
        problem="left behind: $(entries)"
    elif [ "$expected" != 1 ] && ! cmp -s "$folder/config.txt" "$work/expected.txt"; then
        problem="config.txt is not the new file"
    elif [ "$(entries)" != "config.txt " ] && [ "$expected$old" != 1new ]; then
        problem="left behind: $(entries)"
    elif ! "$program" "$folder" || ! cmp -s "$folder/config.txt" "$work/expected.txt"; then
        problem="a second Generate did not write the new file"
    fi
    if [ -n "$problem" ]; then
        echo "$old, $name #$ordinal ($target) answering $error: $problem"
        failed=1
    fi
}

for old in new old; do
    check $old write-new EIO 1
    check $old write-new ENOSPC 1
    check $old fdatasync-new EIO 1
    check $old close-new EIO 1
    check $old link-config EIO 1
    check $old open-folder EIO 3
    check $old open-folder EACCES 0 # a folder its user may write but not read
    check $old fsync-folder EIO 3
    check $old fsync-folder EINVAL 0 # a file system that does not sync folders
    check $old fsync-folder EOPNOTSUPP 0
done
check old rename-config EIO 1
[ "$failed" = 0 ] && echo "every failing call gives the outcome it should"
exit "$failed"
