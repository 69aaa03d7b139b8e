#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a script in a fresh, throwaway minimal Debian, as its user newcomer
# (who has sudo there), in ~/karvel: a fresh clone of the last commit.
#   tools/debian-run.sh [OPTION...] CODENAME SCRIPT
#     --architectures=amd64,arm64   the machine's first, then foreign ones
#                                   that apt in the system takes packages for
#     --include=PACKAGE,...         installed besides the minimal system
#     --copy-in=FILE                put into newcomer's home first
#     --bring-back=PATH             ~/karvel/PATH copied back to PATH in this
#                                   tree, also when SCRIPT failed after
#                                   making it
# mmdebstrap makes the system in a user namespace, as the invoking user,
# from the archive of this machine's apt sources; it is gone when the
# script ends, with everything the script started. The packages it
# downloads are kept in the cache, one release's runs one at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
# shellcheck source=tools/debian-archive.sh
. tools/debian-archive.sh

options=("--include=make,git,ca-certificates,sudo") copy_in=() back=() back_hooks=()
while [[ ${1:-} == --* ]]; do
    case $1 in
        --architectures=* | --include=*) options+=("$1") ;;
        --copy-in=*) copy_in+=("${1#*=}") ;;
        --bring-back=*) back+=("${1#*=}") ;;
        *) echo "debian-run: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
[ $# -eq 2 ] || { echo "usage: $0 [OPTION...] CODENAME SCRIPT" >&2; exit 2; }
codename=$1 script=$2

tools/debian-package.sh namespaces
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The clone carries the last commit, not what is uncommitted in the tree.
git clone --quiet --no-hardlinks "$top" "$work/karvel"
{
    echo 'set -euo pipefail'
    printf 'export CI=%q LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive\n' "${CI:-}"
    echo 'cd ~/karvel'
    echo "$script"
} > "$work/run"

packages=${XDG_CACHE_HOME:-$HOME/.cache}/karvel/packages-$codename
mkdir -p "$packages"
exec {lock}> "$packages.lock"
flock --nonblock "$lock" || { echo "debian-run: waiting for another run on Debian $codename"; flock "$lock"; }
proxy=$(debian_proxy)
[ -z "$proxy" ] || options+=(--aptopt="Acquire::http::Proxy \"$proxy\"")
for path in "${back[@]}"; do
    rm -rf "${top:?}/$path" && mkdir -p "$top/$path"
    back_hooks+=(--customize-hook="sync-out /home/newcomer/karvel/$path $top/$path")
done

# shellcheck disable=SC2016 # mmdebstrap's hooks expand $1, the system's root
mmdebstrap --quiet --mode=unshare --variant=minbase "${options[@]}" \
    --skip=download/empty --skip=essential/unlink \
    --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
    --setup-hook="sync-in $packages /var/cache/apt/archives" \
    --customize-hook='chroot "$1" useradd --create-home --shell /bin/bash newcomer' \
    --customize-hook='echo "newcomer ALL=(ALL:ALL) NOPASSWD: ALL" > "$1/etc/sudoers.d/newcomer"' \
    --customize-hook='tr -d - < /proc/sys/kernel/random/uuid > "$1/etc/machine-id"' \
    --customize-hook='echo "127.0.1.1 $(hostname)" >> "$1/etc/hosts"' \
    --customize-hook="copy-in ${copy_in[*]} $work/karvel $work/run /home/newcomer" \
    --customize-hook='chroot "$1" chown -R newcomer:newcomer /home/newcomer' \
    --customize-hook='chroot "$1" runuser --login newcomer -c "bash /home/newcomer/run" || echo $? > "$1/failed"' \
    --customize-hook="sync-out /var/cache/apt/archives $packages" \
    "${back_hooks[@]}" \
    --customize-hook='[ ! -e "$1/failed" ] || { echo "debian-run: the script failed (exit $(cat "$1/failed"))" >&2; exit 1; }' \
    "$codename" /dev/null "$(debian_archive)" || status=$?
# What came back belongs to whoever ran this (root's copy keeps the
# system's owners otherwise).
for path in "${back[@]}"; do
    chown -R "$(id -u):$(id -g)" "$top/$path"
done
exit "${status:-0}"
