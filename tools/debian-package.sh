#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian packages, made as Debian makes them: from the source package of
# debian/, by sbuild in a fresh system of a release, tested by autopkgtest
# in another fresh one.
#   tools/debian-package.sh source
#       dist/karvel-VERSION.tar.xz, the upstream tarball of the last commit
#       (git archive, without debian/), and the source package made from it
#       and debian/ in build-debian/source/
#   tools/debian-package.sh build CODENAME [ARCH]
#       the binary package for ARCH (the machine's by default) by sbuild, in
#       build-debian/CODENAME-ARCH/; a cross build for another ARCH.
#       With KARVEL_SBUILD_VARIED set, the build inside varies what a
#       rebuild by someone else would: another build user, a deeper build
#       path, bash as /bin/sh, another time zone and locale.
#   tools/debian-package.sh autopkgtest CODENAME
#       the amd64 package of that release, installed and tested by
#       debian/tests in a fresh system
# The systems are tarballs of a minimal Debian (mmdebstrap, buildd variant),
# made once per release from the archive of this machine's apt sources (or
# KARVEL_DEBIAN_ARCHIVE) in the cache, outside the tree; every build and
# test unpacks a fresh copy in a user namespace. Needs root for that (with
# sudo when not root), and a range of subordinate ids for it.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
. tools/debian-system.sh

version=$(dpkg-parsechangelog --show-field Version)
distribution=$(dpkg-parsechangelog --show-field Distribution)
upstream=${version%-*}
sources=$top/build-debian/source
tarballs=$debian_system_cache/sbuild
# Raised whenever the way the tarballs are made changes.
tarball_recipe=1

# The user namespaces of sbuild and autopkgtest map root's ids to these.
subordinate_ids() {
    if ! grep -q '^root:' /etc/subuid 2>/dev/null || ! grep -q '^root:' /etc/subgid 2>/dev/null; then
        echo "debian-package: giving root the subordinate ids 100000-165535 for user namespaces"
        usermod --add-subuids 100000-165535 --add-subgids 100000-165535 root
    fi
}

# The tarball of a minimal system of that release, made once.
system_tarball() {
    local codename=$1 tarball=$tarballs/$1-amd64.tar
    if [ "$(cat "$tarball.recipe" 2>/dev/null)" != "$tarball_recipe" ]; then
        local archive proxy options=()
        archive=$(debian_system_archive)
        proxy=$(debian_system_proxy)
        [ -z "$proxy" ] || options+=(--aptopt="Acquire::http::Proxy \"$proxy\"")
        echo "debian-package: making a minimal Debian $codename from $archive in $tarball (once)" >&2
        mkdir -p "$tarballs"
        rm -rf "$tarball" "$tarball.new" "$tarball.recipe"
        # The name ends in .new while it is made: the format is told outright.
        mmdebstrap --quiet --mode=root --variant=buildd --format=tar --skip=output/mknod "${options[@]}" \
            "$codename" "$tarball.new" "$archive" >&2
        mv "$tarball.new" "$tarball"
        echo "$tarball_recipe" > "$tarball.recipe"
    fi
    echo "$tarball"
}

make_source() {
    local name=karvel-$upstream
    mkdir -p dist
    rm -rf "$sources" && mkdir -p "$sources"
    # The same bytes from every clone of a commit: git archive writes the
    # commit's time and fixed modes, xz is told its settings.
    git archive --format=tar --prefix="$name/" HEAD | xz -9 --threads=1 > "dist/$name.tar.xz"
    cp "dist/$name.tar.xz" "$sources/karvel_$upstream.orig.tar.xz"
    tar -xJf "dist/$name.tar.xz" -C "$sources"
    # debian/ is left out of the upstream tarball; the tree of the commit's
    # debian/ holds no attributes of the top folder, so this takes it whole.
    git archive --format=tar --prefix="$name/debian/" HEAD:debian | tar -x -C "$sources"
    (cd "$sources" && dpkg-source --build "$name" > /dev/null && rm -rf "$name")
    ls "dist/$name.tar.xz" "$sources"/*.dsc
}

build() {
    local codename=$1 arch=${2:-$(dpkg --print-architecture)} tarball options=()
    [ -f "$sources/karvel_$version.dsc" ] || make_source > /dev/null
    subordinate_ids
    tarball=$(system_tarball "$codename")
    [ "$arch" = "$(dpkg --print-architecture)" ] || options+=(--host="$arch")
    if [ -n "${KARVEL_SBUILD_VARIED:-}" ]; then
        local config
        config=$(mktemp) && trap 'rm -f "$config"' RETURN
        cat > "$config" <<'CONFIG'
$build_user = 'rebuilder';
$build_environment = { 'TZ' => 'Pacific/Kiritimati', 'LC_ALL' => 'C.UTF-8', 'LANG' => 'C.UTF-8' };
1;
CONFIG
        export SBUILD_CONFIG=$config
        options+=(--build-path=/build/another/much/deeper/path
                  --chroot-setup-commands='ln -sf bash /bin/sh')
    fi
    local out=$top/build-debian/$codename-$arch stamp
    # The same source package is not built again.
    stamp=$(sha256sum < "$sources/karvel_$version.dsc")
    if [ "$(cat "$out/source.sha256" 2>/dev/null)" = "$stamp" ]; then
        ls "$out"/*.deb
        return
    fi
    rm -rf "$out" && mkdir -p "$out"
    # Lintian runs afterwards, on this machine, on everything the build made.
    # The chroot is named outright: the distribution is the changelog's.
    (cd "$out" && sbuild --chroot-mode=unshare --chroot="$tarball" \
        --dist="$distribution" "${options[@]}" \
        --no-run-lintian --no-run-piuparts --no-run-autopkgtest --no-source-only-changes \
        --nolog --jobs="$(nproc)" "$sources/karvel_$version.dsc")
    echo "$stamp" > "$out/source.sha256"
    ls "$out"/*.deb
}

run_autopkgtest() {
    local codename=$1 arch out
    arch=$(dpkg --print-architecture)
    out=$top/build-debian/$codename-$arch
    subordinate_ids
    # The tarball keeps no package lists.
    autopkgtest --setup-commands="apt-get update" --no-built-binaries \
        "$out/karvel_${version}_$arch.deb" "$sources/karvel_$version.dsc" \
        -- unshare --release "$codename" --arch "$arch" --tarball "$(system_tarball "$codename")"
}

case "${1:-}" in
    source) make_source ;;
    build) build "${@:2}" ;;
    autopkgtest) run_autopkgtest "${@:2}" ;;
    *) echo "usage: $0 source | build CODENAME [ARCH] | autopkgtest CODENAME" >&2; exit 2 ;;
esac
