#!/usr/bin/env bash
# Installs what building and testing the wizard needs on Debian 12, if anything is missing.
set -euo pipefail

packages=(
    cmake make g++              # build tools
    qt6-base-dev                # Qt 6 Core, Gui and Widgets
    libgl-dev                   # OpenGL headers that Qt's CMake files look for
    libbenchmark-dev            # Google Benchmark, for bench/
    clang-format                # the formatting check
    fontconfig fonts-dejavu-core fonts-dejavu-extra # DejaVu Sans Condensed stands in for Tahoma
)

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
