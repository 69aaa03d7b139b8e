#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make reprotest: builds the Debian source package on this machine, and the
# Windows zip and installer where a Qt for MinGW is at hand (KARVEL_QT_MINGW,
# or the ready one beside the project), twice from a fresh clone of the last
# commit under all of reprotest's variations (build path, time, file order,
# umask, time zone, locale, HOME, host name, CPU count, ...), and says
# whether they came out the same; diffoscope shows any difference. Then the
# packages that sbuild makes for amd64, arm64 and armhf, from two clones
# (below).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
cache=${XDG_CACHE_HOME:-$HOME/.cache}
. ./build-facts.env
qt=${KARVEL_QT_MINGW:-$(cd .. && pwd)/shared/toolchains/qt6-mingw-${QT_MINGW_SOURCE%%+*}-x86_64.tar.xz}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone --quiet --no-hardlinks "$top" "$work/source"

# The source package as dpkg-buildpackage builds it here, without its
# tests (they do not change what is built).
build='tools/debian-package.sh source >/dev/null && cd build-debian/source && dpkg-source -x karvel_*.dsc src >/dev/null &&
       (cd src && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b) && cd ../.. && mv build-debian/source/*.deb dist/'
artifacts='dist/*.deb'
if [ -e "$qt" ]; then
    # HOME varies: the cache is named outright.
    build+=" && XDG_CACHE_HOME=$cache KARVEL_QT_MINGW=$qt KARVEL_WINDOWS_ZIP_ONLY=1 windows/build.sh"
    artifacts+=' dist/*.zip dist/*-setup.exe'
else
    echo "reprotest: no Qt for MinGW at $qt: only the Debian package is checked"
fi
store=$top/dist/reprotest
rm -rf "$store"
# Another build user and another /bin/sh need a system of their own: the
# sbuild builds below vary those. The file order needs FUSE.
variations=(--vary=-user_group)
[ -e /dev/fuse ] || variations+=(--vary=-fileordering)
reprotest --store-dir "$store" --min-cpus 1 "${variations[@]}" \
    -s "$work/source" "$build" "$artifacts"
echo "reprotest: the same bytes from both builds: $artifacts"

# sbuild's packages are built in throwaway systems, which reprotest's
# varied build cannot make. They come from two clones at paths of different
# lengths, the second built by another user at a deeper path, with bash as
# /bin/sh and another time zone and locale, and must be the same.
first=$work/a/source
second=$work/other/folder/source
for clone in "$first" "$second"; do
    git clone --quiet --no-hardlinks "$top" "$clone"
done
(cd "$first" && make packages)
(cd "$second" && umask 002 && KARVEL_SBUILD_VARIED=1 make packages)
cmp "$first/dist/karvel-"*.tar.xz "$second/dist/karvel-"*.tar.xz
echo "reprotest: the same upstream tarball from both clones"
for package in $(cd "$first/dist" && echo karvel_*.deb); do
    if ! cmp "$first/dist/$package" "$second/dist/$package"; then
        diffoscope "$first/dist/$package" "$second/dist/$package" || true
        exit 1
    fi
    echo "reprotest: the same bytes from both clones: $package"
done
