#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make windows: KARVEL for 64-bit Windows, cross-built on Debian 12.
#  1. Qt for MinGW: the prefix KARVEL_QT_MINGW names, else one built once
#     from Debian's qt6-base source into the cache (windows/build-qt.sh).
#  2. karvel.exe and the tests in build-windows/.
#  3. The test suite under Wine, offscreen (windows/wine-run.sh runs each).
#  4. dist/karvel-1.00-win64.zip: the program, the Qt and MinGW libraries and
#     plugins it needs, the licences.
#  5. A smoke run from a fresh unpacking of the zip, with nothing on WINEPATH.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
jobs=${JOBS:-$(nproc)}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/karvel

if [ -z "${KARVEL_QT_MINGW:-}" ]; then
    KARVEL_QT_MINGW=$cache/qt6-mingw-6.4.2
    [ -f "$KARVEL_QT_MINGW/lib/cmake/Qt6/qt.toolchain.cmake" ] || windows/build-qt.sh "$KARVEL_QT_MINGW"
fi
toolchain=$KARVEL_QT_MINGW/lib/cmake/Qt6/qt.toolchain.cmake
[ -f "$toolchain" ] || { echo "make windows: no Qt for MinGW in $KARVEL_QT_MINGW" >&2; exit 1; }

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$top/windows/mingw-w64-x86_64.cmake" \
      "-DCMAKE_CROSSCOMPILING_EMULATOR=$top/windows/wine-run.sh;--qt;$KARVEL_QT_MINGW"
cmake --build build-windows -j "$jobs"
(cd build-windows && ctest --output-on-failure -j "$jobs" --timeout 600)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
name=karvel-$version-win64
stage=build-windows/zip/$name
rm -rf build-windows/zip && mkdir -p "$stage/platforms" "$stage/styles" "$stage/licenses" dist
cp build-windows/karvel.exe "$stage/"
cp "$KARVEL_QT_MINGW"/bin/Qt6{Core,Gui,Widgets}.dll "$stage/"
cp "$KARVEL_QT_MINGW/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$KARVEL_QT_MINGW/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp /usr/lib/gcc/x86_64-w64-mingw32/12-posix/{libstdc++-6.dll,libgcc_s_seh-1.dll} "$stage/"
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
x86_64-w64-mingw32-strip "$stage"/*.dll "$stage"/*/*.dll "$stage/karvel.exe"
cp LICENSES/GPL-3.0-or-later.txt "$stage/licenses/KARVEL-GPL-3.0-or-later.txt"
# Qt is under the LGPL 3, which builds on the GPL 3; its source is Debian's qt6-base.
cp /usr/share/common-licenses/LGPL-3 "$stage/licenses/Qt-LGPL-3.0.txt"
cp "$(sed -n 's/^KARVEL_FACE_LICENSE:FILEPATH=//p' build-windows/CMakeCache.txt)" "$stage/licenses/LiberationSans-copyright.txt"
rm -f "dist/$name.zip"
(cd build-windows/zip && zip -qr9 "$top/dist/$name.zip" "$name")
unzip -l "dist/$name.zip"

# The smoke run: unpacked afresh, nothing on WINEPATH, offscreen; the smoke
# program (the same sources, ended by its EXIT button) sits beside karvel.exe,
# and karvel.exe itself must come up and stay up.
smoke=$(mktemp -d)
trap 'rm -rf "$smoke"' EXIT
unzip -q "dist/$name.zip" -d "$smoke"
cp build-windows/smoke_exit.exe "$smoke/$name/"
# The zip's platform plugin needs a display; offscreen is for this run only.
cp "$KARVEL_QT_MINGW/plugins/platforms/qoffscreen.dll" "$smoke/$name/platforms/"
export QT_QPA_PLATFORM=offscreen
windows/wine-run.sh "$smoke/$name/smoke_exit.exe"
status=0
timeout 10 windows/wine-run.sh "$smoke/$name/karvel.exe" || status=$?
[ "$status" -eq 124 ] || { echo "make windows: karvel.exe did not stay up (exit $status)" >&2; exit 1; }
/usr/lib/wine/wineserver -k || true

# The link on a display, through Wine's window driver: a click must reach
# Wine's browser launcher, which hands the page to xdg-open; a stand-in
# records it.
unset QT_QPA_PLATFORM
page=$(sed -n 's/^KARVEL_WEB_PAGE:STRING=//p' build-windows/CMakeCache.txt)/
mkdir "$smoke/bin"
printf '#!/bin/sh\necho "$*" >> "%s/opened"\n' "$smoke" > "$smoke/bin/xdg-open"
chmod +x "$smoke/bin/xdg-open"
PATH=$smoke/bin:$PATH xvfb-run -a windows/wine-run.sh "$smoke/$name/smoke_exit.exe" --click-link
/usr/lib/wine/wineserver -w || true
grep -qxF "$page" "$smoke/opened" 2>/dev/null \
    || { echo "make windows: a click on the link did not reach Wine's browser launcher with $page" >&2; exit 1; }
echo "smoke run: the unpacked program came up and stayed up, ended cleanly on EXIT, and its link reached the browser launcher"
echo "dist/$name.zip"
