#!/usr/bin/env bash
# Generate says it is done only once config.txt is on the disk: traced, the new file's bytes are synced before the file
# takes the name config.txt, and the folder that holds the name is synced after. For a new config.txt, then for one
# that is replaced.
#   tests/generate-is-durable.sh GENERATE_ONCE WORK_FOLDER
set -euo pipefail
program=$1
folder=$2/bot
rm -rf "$folder"
mkdir -p "$folder"
# LeakSanitizer cannot work under a tracer: in the sanitizer build, the traced program leaves leaks to the other tests.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
for run in new replaced; do
    trace=$2/trace-$run.txt
    strace -f -qq -s 4096 -e trace=open,openat,fsync,fdatasync,rename,renameat,renameat2,link,linkat -o "$trace" \
        "$program" "$folder"
    awk -v folder="$folder" -v run="$run" '
        function result(line) { return line ~ /= [0-9]+$/ ? $NF : -1 }
        function argument(line, n,   parts) { split(line, parts, /[(,)]/); return parts[n + 1] }
        { sub(/^[0-9]+ +/, "") }
        /^open(at)?\(/ && index($0, "\"" folder "\"") && /O_DIRECTORY/ { if (named) folderFile[result($0)] = 1; next }
        # the new file: a file in the folder, or a file without a name yet (O_TMPFILE) there, opened for writing
        /^open(at)?\(/ && (index($0, "\"" folder "/") || index($0, "\"" folder "\"") && /O_TMPFILE/) &&
            /O_(WRONLY|RDWR)/ { newFile[result($0)] = 1; next }
        /^f(data)?sync\(/ && result($0) == 0 {
            fd = argument($0, 1)
            if (!named && newFile[fd]) bytesSynced = 1
            if (named && folderFile[fd]) folderSynced = 1
            next
        }
        /^(rename|renameat2?|link|linkat)\(/ && index($0, "\"" folder "/config.txt\"") && result($0) == 0 {
            if (!bytesSynced) { print run ": config.txt took its name before its bytes were synced"; failed = 1 }
            named = 1
        }
        END {
            if (!named) { print run ": config.txt never took its name"; exit 1 }
            if (!folderSynced) { print run ": the folder was not synced after config.txt took its name"; exit 1 }
            exit failed
        }' "$trace"
done
echo "new and replaced config.txt: bytes synced, then named, then the folder synced"
