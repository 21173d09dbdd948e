#!/usr/bin/env bash
# Runs the README's `make test` on a fresh clone inside a minimal Debian 13 tree, then builds
# the package there and runs its autopkgtest suite on it, installed in the tree. Needs root. The
# tree is kept in a cache outside the clone, so a second run only installs what it lacks; it is
# made anew when it is a month old.
# What the run mounts lives in a private mount namespace, and its processes in a private PID
# namespace, so neither outlives the run however it ends; the clean-up below makes sure of it.
set -euo pipefail
root=${VUVERE_DEBIAN13_ROOT:-/var/cache/vuvere-rovivudevu/debian13}
mirror=${VUVERE_DEBIAN_MIRROR:-http://deb.debian.org/debian}
top=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" = --inside ]; then
    # Here we are process 1 of the new PID namespace: when we end, every process in it ends.
    mount -t proc proc "$root/proc"
    mount -t sysfs -o ro sysfs "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
    mount -t tmpfs -o mode=755 tmpfs "$root/run"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    git clone --quiet --no-checkout "$top" "$root/tmp/src"
    git -C "$root/tmp/src" checkout --quiet --detach "$(git -C "$top" rev-parse HEAD)"
    echo "Debian $(cat "$root/etc/debian_version"), commit $(git -C "$top" rev-parse --short HEAD)"
    # A run stopped while it installed packages leaves them half set up.
    chroot "$root" dpkg --configure -a
    exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        sh -c 'cd /tmp/src && make test && make package &&
            apt-get install -y -qq --no-install-recommends autopkgtest &&
            autopkgtest build/deb/vuvere-rovivudevu_*.changes -- null'
fi

[ "$(id -u)" -eq 0 ] || { echo "make test-debian13 needs root (chroot and mounts)" >&2; exit 1; }
if [ -z "$(find "$root/.complete" -mtime -30 2>/dev/null)" ]; then
    echo "Making a minimal Debian 13 tree in $root"
    rm -rf "$root" "$root.new"
    mkdir -p "$(dirname "$root")"
    # make is what the README's first command needs; everything else deps.sh installs.
    mmdebstrap --variant=minbase --include=make trixie "$root.new" \
        "deb $mirror trixie main" "deb $mirror trixie-updates main" \
        "deb ${mirror%/debian}/debian-security trixie-security main"
    touch "$root.new/.complete"
    mv "$root.new" "$root"
fi

cleanup() {
    # Nothing should be left, but a process or mount that escaped is ended here all the same.
    local pid
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "$pid" 2>/dev/null
    done
    awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts | sort -r |
        while read -r mnt; do umount -l "$mnt"; done
}
trap cleanup EXIT
unshare --mount --propagation private --pid --fork --kill-child -- "$0" --inside
