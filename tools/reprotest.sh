#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make reprotest: builds the Debian source package on this machine, as
# reprotest's manual shows, and the Windows zip and installer where a Qt for
# MinGW is at hand (KARVEL_QT_MINGW, or the ready one beside the project),
# from a fresh clone of the last commit, each twice under reprotest's
# variations (build path, time, file order, umask, time zone, locale, HOME,
# host name, CPU count, ...), and says whether they came out the same;
# diffoscope shows any difference. Then the
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
store=$top/dist/reprotest
rm -rf "$store"
# Another build user and another /bin/sh need a system of their own: the
# sbuild builds below vary those. The file order needs FUSE, which a
# machine may keep for root.
variations=(--min-cpus 1 --vary=-user_group)
if [ ! -r /dev/fuse ] || [ ! -w /dev/fuse ]; then
    echo "reprotest: FUSE (/dev/fuse) is not open to $(id -un) here: the file order is not varied"
    variations+=(--vary=-fileordering)
fi

# The source package, as reprotest's manual builds one, without its tests
# (they do not change what is built).
tools/debian-package.sh source > /dev/null
(cd build-debian/source && reprotest --store-dir "$store/debian" "${variations[@]}" \
    --auto-preset-expr='_.str_replace.build_command("dpkg-buildpackage", "DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -Pnocheck")' \
    "karvel_$(dpkg-parsechangelog -l"$top/debian/changelog" -SVersion).dsc" -- null)
echo "reprotest: the same packages from both builds of the source package"

if [ -e "$qt" ]; then
    git clone --quiet --no-hardlinks "$top" "$work/source"
    # HOME varies: the cache is named outright.
    reprotest --store-dir "$store/windows" "${variations[@]}" -s "$work/source" \
        "XDG_CACHE_HOME=$cache KARVEL_QT_MINGW=$qt KARVEL_WINDOWS_ZIP_ONLY=1 windows/build.sh" \
        'dist/*.zip dist/*-setup.exe'
    echo "reprotest: the same zip and installer from both builds"
else
    echo "reprotest: no Qt for MinGW at $qt: the Windows zip and installer are not checked"
fi

# sbuild's packages are built in throwaway systems, which reprotest's
# varied build cannot make. They come from two clones at paths of different
# lengths, the second built by another user at a deeper path, with bash as
# /bin/sh and another time zone and locale (sbuild's configuration, which
# it reads in place of the user's), and must be the same. sbuild still runs
# some steps in the system as the invoking user, who must exist there too.
first=$work/a/source
second=$work/other/folder/source
for clone in "$first" "$second"; do
    git clone --quiet --no-hardlinks "$top" "$clone"
done
user=$(id -un)
cat > "$work/sbuild.conf" <<CONFIG
\$build_user = 'rebuilder';
\$build_path = '/build/another/much/deeper/path';
\$build_environment = { 'TZ' => 'Pacific/Kiritimati', 'LC_ALL' => 'C.UTF-8', 'LANG' => 'C.UTF-8' };
\$external_commands = { 'chroot-setup-commands' => [['ln', '-sf', 'bash', '/bin/sh'],
    ['sh', '-c', 'getent passwd $user || useradd --system --no-create-home --gid sbuild $user']] };
1;
CONFIG
(cd "$first" && make packages)
(cd "$second" && umask 002 && SBUILD_CONFIG=$work/sbuild.conf make packages)
cmp "$first/dist/karvel-"*.tar.xz "$second/dist/karvel-"*.tar.xz
echo "reprotest: the same upstream tarball from both clones"
for package in $(cd "$first/dist" && echo karvel_*.deb); do
    if ! cmp "$first/dist/$package" "$second/dist/$package"; then
        diffoscope "$first/dist/$package" "$second/dist/$package" || true
        exit 1
    fi
    echo "reprotest: the same bytes from both clones: $package"
done
