#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make test-debian13: what a newcomer on Debian 13 does, in a minimal
# Debian 13 system of its own.
#  1. Once: a minimal Debian 13 (debootstrap --variant=minbase) in the cache,
#     outside the tree; later runs reuse it as it was first made.
#  2. Each run: a copy of that system, a fresh clone of this commit in it,
#     and there the README's test command, the package, its installation,
#     and the installed program started (it must stay up).
# Needs root for chroot and mount (with sudo when not root).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=XDG_CACHE_HOME,HOME,CI,HARDENING_CHECK "$0" "$@"
fi
mirror=${KARVEL_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/karvel
base=$cache/debian13
if [ ! -f "$base/.complete" ]; then
    echo "test-debian13: setting up a minimal Debian 13 in $base (once)"
    rm -rf "$base"
    # make and git are what a newcomer has to clone and run the README's commands.
    debootstrap --variant=minbase --include=make,git,ca-certificates trixie "$base" "$mirror"
    touch "$base/.complete"
fi

root=$(mktemp -d "$cache/debian13-run.XXXXXX")
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" || true; done
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
for fs in proc sys dev dev/pts; do
    mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Downloaded packages are kept between runs.
mkdir -p "$cache/debian13-apt/partial"
mount --bind "$cache/debian13-apt" "$root/var/cache/apt/archives"
mounted+=("$root/var/cache/apt/archives")

# The clone carries the last commit, not what is uncommitted in this tree.
git clone --quiet --no-hardlinks "$top" "$root/root/karvel"

chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 CI="${CI:-}" \
    DEBIAN_FRONTEND=noninteractive \
    /bin/bash -euo pipefail -c '
        . /etc/os-release
        echo "test-debian13: $PRETTY_NAME"
        cd /root/karvel
        make test
        make package
        apt-get install -y --no-install-recommends ./dist/karvel_*.deb
        status=0
        QT_QPA_PLATFORM=offscreen timeout 5 karvel || status=$?
        [ "$status" -eq 124 ] || { echo "test-debian13: the installed karvel did not stay up (exit $status)" >&2; exit 1; }
        echo "test-debian13: the tests passed, the package installed and the installed program stayed up"
    '
# Debian 13's flags, read by the host's hardening-check where it has one,
# asked as the Makefile asks it.
if command -v hardening-check >/dev/null; then
    ${HARDENING_CHECK:-hardening-check} "$root/root/karvel/build-package/ui/karvel"
fi
