#!/usr/bin/env bash
# Installs what a task needs on Debian 12 or 13, if anything is missing (every name here is in both):
#   run      building and starting the wizard
#   test     the above, plus the formatting check, sanitizers and fuzzing
#   windows  cross-building QelWizard.exe and running it under Wine
#   wine     running the Windows tests under Wine only
#   release  the above, plus what makes and checks the Windows download
#   docs     the screenshots of the README
#   bench    the benchmarks, start-up included
#   chroot   making the bare Debian 13 that scripts/debian13.sh runs commands in
set -euo pipefail

run=(
    cmake make g++                                  # build tools
    qt6-base-dev                                    # Qt 6 Core, Gui and Widgets
    libgl-dev                                       # OpenGL headers that Qt's CMake files look for
    fontconfig fonts-dejavu-core fonts-dejavu-extra # DejaVu Sans Condensed stands in for Tahoma
    qt6-translations-l10n                           # Qt's own texts (the boxes' buttons) in the desktop's language
)
test=(
    clang-format              # the formatting check
    strace                    # the system calls of a Generate: config.txt is on the disk before the wizard says so
    clang libclang-rt-dev     # libFuzzer, for fuzz/
    g++-mingw-w64-x86-64-posix wine wine64 # a Windows stand-in for QelBot3.exe, started through Wine
    libbenchmark-dev libx11-dev            # the benchmarks and the start-up stopwatch, built and run once
    qt6-base-private-dev # Qt's platform accessibility, switched on where a test listens to what a screen reader is told
)
wine=(wine wine64 xvfb xauth) # running Windows programs on a virtual display
windows=(
    cmake ninja-build dpkg-dev qt6-base-dev-tools qt6-base-dev        # Qt's source, its host tools and their CMake files
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 # the cross compiler
    "${wine[@]}"                                                      # running the Windows tests
    qt6-translations-l10n qt6-l10n-tools python3 # Qt's translations, cut to the texts the exe shows
)
release=(
    git zip unzip          # the source archive and the zip
    python3 qt6-documentation-tools # the notices: Qt's qtattributionsscanner reads the attribution files
)
docs=(xvfb xauth xdotool imagemagick)
bench=(libbenchmark-dev libx11-dev xvfb xauth valgrind xdotool)
chroot=(debootstrap util-linux git) # debootstrap makes it; chroot, mount and flock enter it; git lists what to copy

case "${1:-run}" in
run) packages=("${run[@]}") ;;
test) packages=("${run[@]}" "${test[@]}") ;;
windows) packages=("${windows[@]}") ;;
release) packages=("${windows[@]}" "${release[@]}") ;;
docs) packages=("${run[@]}" "${docs[@]}") ;;
bench) packages=("${run[@]}" "${bench[@]}") ;;
chroot) packages=("${chroot[@]}") ;;
wine) packages=("${wine[@]}") ;;
*)
    echo "usage: $0 [run|test|windows|release|docs|bench|chroot|wine]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "Missing packages: ${missing[*]}. Run this script as root, or install sudo." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
