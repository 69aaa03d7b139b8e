# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Throwaway Debian systems for the checks that need another release or a
# foreign architecture, so that nothing is installed or changed on the
# machine itself. Sourced by bash scripts that run as root:
#
#   debian_system_copy CODENAME   a fresh copy of the minimal system of that
#                                 release, in $system_root, removed on exit
#   debian_system_root SCRIPT     runs a bash script in it as root
#   debian_system_user SCRIPT     runs a bash script in it as the user
#                                 newcomer, who has sudo; its home is
#                                 $system_home inside the copy
#   debian_system_clone           a fresh clone of the last commit of $top
#                                 in that home, as ~/karvel
#
# The minimal system is made once per release with debootstrap (minbase,
# plus what a newcomer has: make, git, sudo) in the cache, outside the
# tree, and looks like an installed system where it matters: it has a
# machine id and an ordinary user with sudo. Every run starts from a copy
# of it as it was first made. Packages come from the archive that the
# machine's own apt uses, or from KARVEL_DEBIAN_ARCHIVE; the packages it
# downloads are kept between runs. Sourced before anything else, with the
# script's arguments.

# chroot and mount need root: a script that is not root runs itself again
# through sudo.
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=XDG_CACHE_HOME,HOME,CI,HARDENING_CHECK,KARVEL_DEBIAN_ARCHIVE "$0" "$@"
fi

: "${top:?the script that sources this sets top to the tree}"
. tools/debian-archive.sh
debian_system_cache=${XDG_CACHE_HOME:-$HOME/.cache}/karvel
# Raised whenever the way the minimal system is made changes, so that an
# older one is made again.
debian_system_recipe=2

debian_system_prepare() {
    local codename=$1 base=$debian_system_cache/debian-$1
    if [ "$(cat "$base/.complete" 2>/dev/null)" = "$debian_system_recipe" ]; then
        return
    fi
    local archive proxy
    archive=$(debian_archive)
    proxy=$(debian_proxy)
    echo "debian-system: setting up a minimal Debian $codename from $archive in $base (once)"
    rm -rf --one-file-system "$base"
    http_proxy=$proxy debootstrap --variant=minbase --include=make,git,ca-certificates,sudo \
        "$codename" "$base" "$archive"
    if [ -n "$proxy" ]; then
        echo "Acquire::http::Proxy \"$proxy\";" > "$base/etc/apt/apt.conf.d/01proxy"
    fi
    # An installed system has a machine id; libdbus, among others, behaves
    # differently without one.
    od -An -N16 -tx1 /dev/urandom | tr -d ' \n' > "$base/etc/machine-id"
    echo >> "$base/etc/machine-id"
    chroot "$base" useradd --create-home --shell /bin/bash newcomer
    echo 'newcomer ALL=(ALL:ALL) NOPASSWD: ALL' > "$base/etc/sudoers.d/newcomer"
    chmod 440 "$base/etc/sudoers.d/newcomer"
    echo "$debian_system_recipe" > "$base/.complete"
}

debian_system_mounts=()
debian_system_cleanup() {
    local i process
    # Whatever a run left running in the copy (a daemon that a test
    # started) ends with it.
    for process in /proc/[0-9]*; do
        if [ -n "${system_root:-}" ] && [ "$(readlink "$process/root" 2>/dev/null)" = "$system_root" ]; then
            kill -KILL "${process#/proc/}" 2>/dev/null || true
        fi
    done
    for ((i = ${#debian_system_mounts[@]} - 1; i >= 0; i--)); do
        umount -l "${debian_system_mounts[i]}" || true
    done
    [ -z "${system_root:-}" ] || rm -rf --one-file-system "$system_root"
}

debian_system_mount() {
    mount --bind "$1" "$2"
    debian_system_mounts+=("$2")
}

debian_system_copy() {
    local codename=$1 fs
    # Runs of one release share its downloaded packages, and apt locks them:
    # one run of a release at a time.
    mkdir -p "$debian_system_cache"
    exec {debian_system_lock}> "$debian_system_cache/$codename.lock"
    flock --nonblock "$debian_system_lock" || {
        echo "debian-system: waiting for another run on Debian $codename to end"
        flock "$debian_system_lock"
    }
    debian_system_prepare "$codename"
    system_root=$(mktemp -d "$debian_system_cache/run-$codename.XXXXXX")
    trap debian_system_cleanup EXIT
    cp -a "$debian_system_cache/debian-$codename/." "$system_root/"
    for fs in proc sys dev dev/pts; do
        debian_system_mount "/$fs" "$system_root/$fs"
    done
    cp /etc/resolv.conf /etc/hosts "$system_root/etc/"
    mkdir -p "$debian_system_cache/apt-$codename/partial"
    debian_system_mount "$debian_system_cache/apt-$codename" "$system_root/var/cache/apt/archives"
    system_home=$system_root/home/newcomer
}

debian_system_environment() {
    echo HOME="$1" PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin LANG=C.UTF-8 \
        CI="${CI:-}" DEBIAN_FRONTEND=noninteractive
}

debian_system_root() {
    # shellcheck disable=SC2046
    chroot "$system_root" /usr/bin/env -i $(debian_system_environment /root) \
        /bin/bash -euo pipefail -c "$1" {debian_system_lock}>&-
}

debian_system_user() {
    local id
    id=$(chroot "$system_root" id -u newcomer):$(chroot "$system_root" id -g newcomer)
    # shellcheck disable=SC2046
    chroot --userspec="$id" "$system_root" /usr/bin/env -i $(debian_system_environment /home/newcomer) \
        USER=newcomer /bin/bash -euo pipefail -c "cd && $1" {debian_system_lock}>&-
}

debian_system_clone() {
    # The clone carries the last commit, not what is uncommitted in the tree.
    git clone --quiet --no-hardlinks "$top" "$system_home/karvel"
    chroot "$system_root" chown -R newcomer:newcomer /home/newcomer/karvel
}
