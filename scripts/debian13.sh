#!/usr/bin/env bash
# Runs a command in a bare Debian 13 ("trixie"), a chroot made once with debootstrap and kept in the cache beside the
# static Qts. The Windows program is built there, from Debian 13's Qt, and its tests run there under Wine 10; CI runs
# the README's test command there, so that both Debians are tried.
#   scripts/debian13.sh GROUP COMMAND [ARG...]          installs scripts/install-deps.sh GROUP inside, then runs
#                                                       COMMAND in this checkout, seen inside at the same path
#   scripts/debian13.sh --copy GROUP COMMAND [ARG...]   the same in a fresh copy of the checkout's files inside
#   QELWIZARD_CACHE=DIR ...                             where the chroot lives (default: ~/.cache/qelwizard)
# The checkout and the cache are bound into the chroot at the paths they have outside, so what is built in one is
# found in the other. Needs root, or sudo; the command runs as the user who started the script.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
cache=${QELWIZARD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/qelwizard}
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
        echo "debian13: making and entering the Debian 13 chroot needs root; run this as root, or install sudo." >&2
        exit 1
    }
    exec sudo env QELWIZARD_CACHE="$cache" QELWIZARD_USER="$(id -u):$(id -g)" HOME="$HOME" "$0" "$@"
fi
user=${QELWIZARD_USER:-0:0}
copy=false
if [ "${1:-}" = --copy ]; then
    copy=true
    shift
fi
[ $# -ge 2 ] || {
    echo "usage: $0 [--copy] run|test|windows|release|docs|bench COMMAND [ARG...]" >&2
    exit 2
}
group=$1
shift

scripts/install-deps.sh chroot
root=$cache/debian13
mkdir -p "$cache"
# One user of the chroot at a time: each binds its own checkout and unbinds it when done.
exec 9>"$cache/debian13.lock"
flock 9

if [ ! -f "$root/.complete" ]; then
    echo "debian13: making a bare Debian 13 in $root"
    rm -rf "$root"
    debootstrap --variant=minbase trixie "$root" http://deb.debian.org/debian >"$cache/debian13-debootstrap.log" ||
        {
            tail -n 20 "$cache/debian13-debootstrap.log" >&2
            exit 1
        }
    # As a Debian 13 machine has it: the release with its updates and security fixes.
    rm -f "$root/etc/apt/sources.list"
    cat >"$root/etc/apt/sources.list.d/debian.sources" <<'SOURCES'
Types: deb
URIs: http://deb.debian.org/debian
Suites: trixie trixie-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: trixie-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    touch "$root/.complete"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

mounts=()
unbind() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -R "${mounts[i]}" || umount -l "${mounts[i]}"; done
}
trap unbind EXIT
bind() { # bind FROM [OPTIONS...]: FROM seen at the same path inside
    mkdir -p "$root$1"
    mount "${@:2}" "$1" "$root$1"
    mounts+=("$root$1")
}
bind /proc --bind
bind /dev --rbind
mount --make-rslave "$root/dev"
bind /sys --rbind
mount --make-rslave "$root/sys"
bind "$cache" --bind
if $copy; then
    workdir=/root/qelwizard-copy
    rm -rf "$root$workdir"
    mkdir -p "$root$workdir"
    # What a clone would hold, and what is not yet committed: no build folders.
    git ls-files -z --cached --others --exclude-standard | tar --null -T - --ignore-failed-read -cf - 2>/dev/null |
        tar -xf - -C "$root$workdir"
    chown -R "$user" "$root$workdir"
else
    workdir=$repo
    bind "$repo" --bind
fi

in_chroot() { # in_chroot USER:GROUP COMMAND [ARG...], in $workdir
    chroot --userspec="$1" "$root" /usr/bin/env -i HOME="$HOME" LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin QELWIZARD_CACHE="$cache" \
        bash -c 'cd "$0" && exec "$@"' "$workdir" "${@:2}"
}
in_chroot 0:0 scripts/install-deps.sh "$group"
in_chroot "$user" "$@"
