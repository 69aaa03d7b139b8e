#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make reprotest: builds the Debian packages for amd64, arm64 and armhf, and
# the Windows zip and installer where a Qt for MinGW is at hand
# (KARVEL_QT_MINGW, or the one in the cache), twice
# from a fresh clone of the last commit under all of reprotest's variations
# (build path, time, file order, umask, time zone, locale, HOME, host name,
# CPU count, ...), and says whether they came out the same; diffoscope
# shows any difference.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
cache=${XDG_CACHE_HOME:-$HOME/.cache}
qt=${KARVEL_QT_MINGW:-$cache/karvel/qt6-mingw-6.4.2}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone --quiet --no-hardlinks "$top" "$work/source"

# HOME varies: the caches are named outright.
build="make package && XDG_CACHE_HOME=$cache make package-arm64 package-armhf"
artifacts='dist/*.deb'
if [ -e "$qt" ]; then
    build+=" && XDG_CACHE_HOME=$cache KARVEL_QT_MINGW=$qt KARVEL_WINDOWS_ZIP_ONLY=1 windows/build.sh"
    artifacts+=' dist/*.zip dist/*-setup.exe'
else
    echo "reprotest: no Qt for MinGW at $qt: only the Debian packages are checked"
fi
store=$top/dist/reprotest
rm -rf "$store"
# The variations that need other users or a FUSE mount are left to machines
# that have them.
reprotest --store-dir "$store" --min-cpus 1 \
    --vary=-user_group $( [ -e /dev/fuse ] || echo --vary=-fileordering ) \
    -s "$work/source" "$build" "$artifacts"
echo "reprotest: the same bytes from both builds: $artifacts"
