#!/bin/bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt (qtbase, the version build-facts.env names) for 64-bit Windows with Debian's MinGW-w64 from
# Debian's own qt6-base source package, so that it matches the host tools of
# qt6-base-dev-tools:  build-qt.sh PREFIX   (about 20 minutes on 2 cores)
set -euo pipefail
prefix=${1:?usage: build-qt.sh PREFIX}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../build-facts.env"
if ! apt-get source --print-uris "qt6-base=$QT_MINGW_SOURCE" >/dev/null 2>&1; then
    echo "build-qt.sh: apt cannot fetch the source of qt6-base $QT_MINGW_SOURCE." >&2
    echo "Add deb-src to apt's sources (Types: deb deb-src in /etc/apt/sources.list.d/debian.sources)," >&2
    echo "run apt-get update, or set KARVEL_QT_MINGW to a ready Qt for MinGW prefix." >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
apt-get source --download-only "qt6-base=$QT_MINGW_SOURCE" >/dev/null
tar xJf "qt6-base_${QT_MINGW_SOURCE%-*}.orig.tar.xz"
src=$work/qtbase-everywhere-src-${QT_MINGW_SOURCE%%+*}
# Debian's source leaves out the tablet header (wintab.h): the Windows
# plugins are built without tablet support.
sed -i 's/CONDITION QT_FEATURE_tabletevent/CONDITION FALSE/' \
    "$src/src/plugins/platforms/windows/CMakeLists.txt" "$src/src/plugins/platforms/direct2d/CMakeLists.txt"
sed -i 's/QT_CONFIG(tabletevent)/0/' "$src"/src/plugins/platforms/windows/qwindows{context.cpp,pointerhandler.cpp,pointerhandler.h}
mkdir build && cd build
"$src/configure" -prefix "$prefix" -release -xplatform win32-g++ -qt-host-path /usr \
    -nomake examples -nomake tests -no-opengl -no-dbus \
    -no-feature-network -no-feature-sql -no-feature-printsupport -no-feature-concurrent -no-feature-xml \
    -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -qt-libjpeg \
    -- -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel "$(nproc)"
cmake --install .
