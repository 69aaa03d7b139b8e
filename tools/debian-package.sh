#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian packages, made as Debian makes them: from the source package of
# debian/, by sbuild in a fresh system of a release, installed and tested by
# autopkgtest in a fresh system of that release and architecture.
#   tools/debian-package.sh source
#       dist/karvel-VERSION.tar.xz, the upstream tarball of the last commit
#       (git archive, without debian/), and the source package made from it
#       and debian/ in build-debian/source/
#   tools/debian-package.sh build CODENAME ARCH
#       the binary package of that release for ARCH by sbuild (a cross
#       build for a foreign ARCH), in build-debian/CODENAME-ARCH/, under a
#       version that names the release: 1.00-1~deb12u1 for Debian 12, so
#       that the builds lie side by side, sort below the archive's own and
#       a system upgrade moves to the newer release's.
#   tools/debian-package.sh autopkgtest CODENAME ARCH
#       that package, installed by apt into a fresh minimal system of its
#       release and architecture (a foreign one under qemu) and tested
#       there by debian/tests
#   tools/debian-package.sh name CODENAME ARCH
#       the package's file name
#   tools/debian-package.sh namespaces
#       sets up what user namespaces need (for tools/debian-run.sh too)
#   tools/debian-package.sh binfmt ARCH
#       registers qemu to run ARCH's programs
# The systems are tarballs of a minimal Debian (mmdebstrap), made once per
# release, architecture and kind in the cache, outside the tree, from the
# archive of this machine's apt sources; every build and test unpacks a
# fresh copy in a user namespace, as the invoking user. That needs a range
# of subordinate ids, and binfmt for qemu for a foreign architecture: when
# they are missing they are set up (with sudo when not root), and said so.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
# shellcheck source=tools/debian-archive.sh
. tools/debian-archive.sh

version=$(dpkg-parsechangelog --show-field Version)
upstream=${version%-*}
sources=$top/build-debian/source
tarballs=${XDG_CACHE_HOME:-$HOME/.cache}/karvel/systems
# Raised whenever the way the tarballs are made changes.
tarball_recipe=3

# The releases a package is made for, and what its version says of them.
suffix() {
    case $1 in
        bookworm) echo '~deb12u1' ;;
        trixie) echo '~deb13u1' ;;
        *) echo "debian-package: no packages are made for Debian $1" >&2; return 1 ;;
    esac
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The user namespaces of sbuild and autopkgtest map the user's ids to these.
subordinate_ids() {
    local user
    user=$(id -un)
    if ! grep -q "^$user:" /etc/subuid 2>/dev/null || ! grep -q "^$user:" /etc/subgid 2>/dev/null; then
        echo "debian-package: giving $user the subordinate ids 100000-165535 for user namespaces" >&2
        as_root usermod --add-subuids 100000-165535 --add-subgids 100000-165535 "$user"
    fi
}

# A foreign architecture's programs run under qemu, through binfmt.
foreign_programs() {
    if arch-test "$1" > /dev/null 2>&1; then return; fi
    echo "debian-package: registering qemu with binfmt to run $1 programs" >&2
    [ -e /proc/sys/fs/binfmt_misc/status ] || as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    as_root update-binfmts --enable
    arch-test "$1" > /dev/null || { echo "debian-package: this machine cannot run $1 programs" >&2; return 1; }
}

# The tarball of a minimal system: buildd for sbuild, apt for a user's
# system. Made once, one maker at a time.
system_tarball() {
    local codename=$1 arch=$2 variant=$3 tarball
    tarball=$tarballs/$codename-$arch-$variant.tar
    mkdir -p "$tarballs"
    exec {lock}> "$tarball.lock"
    flock "$lock"
    if [ "$(cat "$tarball.recipe" 2>/dev/null)" != "$tarball_recipe" ]; then
        local archive proxy options=()
        archive=$(debian_archive)
        proxy=$(debian_proxy)
        [ -z "$proxy" ] || options+=(--aptopt="Acquire::http::Proxy \"$proxy\"")
        if [ "$arch" != "$(dpkg --print-architecture)" ]; then
            foreign_programs "$arch"
        fi
        # A cross build's resolver needs the release's own apt solver: sbuild
        # would otherwise copy in this machine's, built for another release.
        [ "$variant" != buildd ] || options+=(--include=apt-utils)
        echo "debian-package: making a minimal Debian $codename for $arch from $archive in $tarball (once)" >&2
        rm -f "$tarball" "$tarball.recipe"
        # The name ends in .new while it is made: the format is told outright.
        mmdebstrap --quiet --mode=unshare --variant="$variant" --architectures="$arch" --format=tar \
            "${options[@]}" "$codename" "$tarball.new" "$archive" >&2
        mv "$tarball.new" "$tarball"
        echo "$tarball_recipe" > "$tarball.recipe"
    fi
    exec {lock}>&-
    echo "$tarball"
}

make_source() {
    local name=karvel-$upstream staging
    mkdir -p dist build-debian
    staging=$(mktemp -d "$top/build-debian/source.XXXXXX")
    # The same bytes from every clone of a commit: git archive writes the
    # commit's time and fixed modes, xz is told its settings.
    git archive --format=tar --prefix="$name/" HEAD | xz -9 --threads=1 > "$staging/karvel_$upstream.orig.tar.xz"
    tar -xJf "$staging/karvel_$upstream.orig.tar.xz" -C "$staging"
    # debian/ is left out of the upstream tarball; the tree of the commit's
    # debian/ holds no attributes of the top folder, so this takes it whole.
    git archive --format=tar --prefix="$name/debian/" HEAD:debian | tar -x -C "$staging"
    # The tree stays beside it: autopkgtest takes the tests from there, so
    # that no test system has to unpack the source package.
    (cd "$staging" && dpkg-source --build "$name" > /dev/null)
    # Replaced whole, so that no build reads a half-made source package.
    if ! diff -r "$staging" "$sources" > /dev/null 2>&1; then
        rm -rf "$sources.old" && { [ ! -d "$sources" ] || mv "$sources" "$sources.old"; }
        mv "$staging" "$sources" && rm -rf "$sources.old"
    else
        rm -rf "$staging"
    fi
    cp "$sources/karvel_$upstream.orig.tar.xz" "dist/$name.tar.xz"
    ls "dist/$name.tar.xz" "$sources"/*.dsc
}

name() {
    echo "karvel_$version$(suffix "$1")_$2.deb"
}

build() {
    local codename=$1 arch=$2 tarball options=() suffix
    suffix=$(suffix "$codename")
    [ -f "$sources/karvel_$version.dsc" ] || make_source > /dev/null
    subordinate_ids
    tarball=$(system_tarball "$codename" "$(dpkg --print-architecture)" buildd)
    [ "$arch" = "$(dpkg --print-architecture)" ] || options+=(--host="$arch")
    local out=$top/build-debian/$codename-$arch stamp
    # The same source package is not built again.
    stamp=$(sha256sum < "$sources/karvel_$version.dsc")
    if [ "$(cat "$out/source.sha256" 2>/dev/null)" = "$stamp" ]; then
        ls "$out/$(name "$codename" "$arch")"
        return
    fi
    rm -rf "$out" && mkdir -p "$out"
    # A build for a release is a binary-only upload of the one source
    # package, as Debian's backports and point releases do it; its entry
    # carries the changelog's time, so that the build stays reproducible.
    # Its files carry that time too, as in Debian's own builds, rather than
    # the commit's that make exports: the package comes out the same whether
    # made by make or by hand from the source package.
    # Lintian runs afterwards, on this machine, on everything the build made.
    (cd "$out" && env -u SOURCE_DATE_EPOCH sbuild --chroot-mode=unshare --chroot="$tarball" --dist="$codename" "${options[@]}" \
        --make-binNMU="Build for Debian $codename." --append-to-version="$suffix" --binNMU=0 \
        --binNMU-timestamp="$(dpkg-parsechangelog -l"$top/debian/changelog" -STimestamp)" \
        --maintainer="$(dpkg-parsechangelog -l"$top/debian/changelog" -SMaintainer)" \
        --no-run-lintian --no-run-piuparts --no-run-autopkgtest --no-source-only-changes \
        --nolog --jobs="$(nproc)" "$sources/karvel_$version.dsc")
    echo "$stamp" > "$out/source.sha256"
    ls "$out/$(name "$codename" "$arch")"
}

run_autopkgtest() {
    local codename=$1 arch=$2 deb out stamp
    out=$top/build-debian/$codename-$arch
    deb=$out/$(name "$codename" "$arch")
    [ -f "$deb" ] || { echo "debian-package: $deb is not built" >&2; return 1; }
    # A package that passed is not tested again: its results are shown.
    stamp=$(cat "$deb" "$sources/karvel_$version.dsc" | sha256sum)
    if [ "$(cat "$out/autopkgtest.sha256" 2>/dev/null)" = "$stamp" ]; then
        echo "debian-package: $(basename "$deb") passed autopkgtest before:"
        grep '^calculate: ' "$out/autopkgtest.log"
        return
    fi
    rm -f "$out/autopkgtest.sha256"
    subordinate_ids
    # The tarball keeps no package lists; the test's packages and the
    # package's own dependencies come from the release's archive.
    # Under emulation only the calculation runs: the other windows' test
    # waits on a real machine's timings.
    local options=()
    [ "$arch" = "$(dpkg --print-architecture)" ] || options+=(--test-name=calculate)
    autopkgtest --setup-commands="apt-get update" --no-built-binaries "${options[@]}" \
        "$deb" "$sources/karvel-$upstream/" \
        -- unshare --release "$codename" --arch "$arch" --tarball "$(system_tarball "$codename" "$arch" apt)" \
        2>&1 | tee "$out/autopkgtest.log"
    echo "$stamp" > "$out/autopkgtest.sha256"
}

case "${1:-}" in
    source) make_source ;;
    build) build "${@:2}" ;;
    autopkgtest) run_autopkgtest "${@:2}" ;;
    name) name "${@:2}" ;;
    namespaces) subordinate_ids ;;
    binfmt) foreign_programs "$2" ;;
    *) echo "usage: $0 source | build CODENAME ARCH | autopkgtest CODENAME ARCH | name CODENAME ARCH | namespaces | binfmt ARCH" >&2; exit 2 ;;
esac
