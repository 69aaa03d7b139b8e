#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make windows: KARVEL for 64-bit Windows, cross-built on Debian.
#  1. Qt for MinGW: KARVEL_QT_MINGW names a ready prefix, or a .tar.xz of
#     one (unpacked once into the cache); else Qt is built once from Debian's
#     qt6-base source into the cache (windows/build-qt.sh).
#  2. karvel.exe and the tests in build-windows/.
#  3. The test suite under Wine, offscreen (windows/wine-run.sh runs each).
#  4. dist/karvel-1.00-win64.zip: the program, the Qt and MinGW libraries and
#     plugins it needs, the licences; the same bytes from every build of a
#     commit.
#  5. dist/karvel-1.00-win64-setup.exe: the installer of the same files.
#  6. A smoke run from a fresh unpacking of the zip, with nothing on WINEPATH,
#     and one of the installer in a fresh Wine prefix.
# With KARVEL_WINDOWS_ZIP_ONLY=1 only steps 1, 2, 4 and 5 run.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
jobs=${JOBS:-$(nproc)}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/karvel
SOURCE_DATE_EPOCH=$(tools/source-date-epoch.sh)
export SOURCE_DATE_EPOCH
# Every Wine process of ours, wineserver included, stays in our own prefix.
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
wineserver=/usr/lib/wine/wineserver

. ./build-facts.env
qt=${KARVEL_QT_MINGW:-$cache/qt6-mingw-${QT_MINGW_SOURCE%%+*}}
if [[ $qt == *.tar.xz ]]; then
    archive=$qt
    qt=$cache/qt6-mingw-$(sha256sum "$archive" | cut -c1-16)
    if [ ! -f "$qt/.complete" ]; then
        rm -rf "$qt" && mkdir -p "$qt"
        tar xJf "$archive" -C "$qt" --strip-components=1
        touch "$qt/.complete"
    fi
elif [ -z "${KARVEL_QT_MINGW:-}" ] && [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    windows/build-qt.sh "$qt"
fi
toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
[ -f "$toolchain" ] || { echo "make windows: no Qt for MinGW in $qt" >&2; exit 1; }

export KARVEL_QT_MINGW=$qt
cmake --preset windows
cmake --build --preset windows -j "$jobs"
zip_only=${KARVEL_WINDOWS_ZIP_ONLY:-0}
[ "$zip_only" = 1 ] || ctest --preset windows -j "$jobs"

# The release's name, the author's page and the version, as CMake wrote them.
fact() { sed -n "s/^$1=//p" build-windows/release.sh; }
name=$(fact name)
page=$(fact page)
version=$(fact version)
stage=build-windows/zip/$name
rm -rf build-windows/zip && mkdir -p dist
cmake --install build-windows --prefix "$stage"
# Strip writes SOURCE_DATE_EPOCH as the files' link time.
x86_64-w64-mingw32-strip "$stage"/*.dll "$stage"/*/*.dll "$stage/karvel.exe"
# The same bytes whoever builds it, wherever and whenever.
tools/zip-folder.sh "$stage" "dist/$name.zip"
unzip -l "dist/$name.zip"

# The installer of exactly what the zip holds, in sorted order so that its
# bytes do not depend on the order of a folder listing; its uninstaller
# removes exactly that, deepest first.
nsis_path() { sed 's|^\./||; s|^\.$||; s|/|\\|g'; }
# shellcheck disable=SC2016 # NSIS's own $INSTDIR
{
    (cd "$stage" && find . -type d | LC_ALL=C sort) | while read -r folder; do
        relative=$(nsis_path <<< "$folder")
        printf '    SetOutPath "$INSTDIR%s"\n' "${relative:+\\$relative}"
        (cd "$stage/$folder" && find . -maxdepth 1 -type f | LC_ALL=C sort) | while read -r file; do
            printf '    File "%s"\n' "$(realpath "$stage/$folder/$file")"
        done
    done
} > build-windows/install.nsh
# shellcheck disable=SC2016 # NSIS's own $INSTDIR
{
    (cd "$stage" && find . -type f | LC_ALL=C sort | nsis_path | sed 's|.*|    Delete "$INSTDIR\\&"|')
    (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r | nsis_path | sed 's|.*|    RMDir "$INSTDIR\\&"|')
} > build-windows/uninstall.nsh
installer=dist/$name-setup.exe
makensis -V2 -INPUTCHARSET UTF8 "-DSTAGE=$top/$stage" "-DINSTALL=$top/build-windows/install.nsh" \
    "-DUNINSTALL=$top/build-windows/uninstall.nsh" "-DOUTFILE=$top/$installer" \
    "-DSIZE_KB=$(du -s --apparent-size --block-size=1024 "$stage" | cut -f1)" build-windows/installer.nsi
ls -l "$installer"
[ "$zip_only" = 1 ] && exit 0

# The smoke run: unpacked afresh, nothing on WINEPATH, offscreen; the smoke
# program (the same sources, ended by its EXIT button) sits beside karvel.exe,
# and karvel.exe itself must come up and stay up.
smoke=$(mktemp -d)
trap 'rm -rf "$smoke"' EXIT
unzip -q "dist/$name.zip" -d "$smoke"
cp build-windows/smoke_exit.exe "$smoke/$name/"
# The zip's platform plugin needs a display; offscreen is for this run only.
cp "$qt/plugins/platforms/qoffscreen.dll" "$smoke/$name/platforms/"
export QT_QPA_PLATFORM=offscreen
windows/wine-run.sh "$smoke/$name/smoke_exit.exe"
status=0
timeout 10 windows/wine-run.sh "$smoke/$name/karvel.exe" || status=$?
[ "$status" -eq 124 ] || { echo "make windows: karvel.exe did not stay up (exit $status)" >&2; exit 1; }
"$wineserver" -k || true

# The link on a display, through Wine's window driver: a click must reach
# Wine's browser launcher, which hands the page to xdg-open; a stand-in
# records it.
unset QT_QPA_PLATFORM
mkdir "$smoke/bin"
printf '#!/bin/sh\necho "$*" >> "%s/opened"\n' "$smoke" > "$smoke/bin/xdg-open"
chmod +x "$smoke/bin/xdg-open"
PATH=$smoke/bin:$PATH xvfb-run -a windows/wine-run.sh "$smoke/$name/smoke_exit.exe" --click-link
"$wineserver" -w || true
grep -qxF "$page" "$smoke/opened" 2>/dev/null \
    || { echo "make windows: a click on the link did not reach Wine's browser launcher with $page" >&2; exit 1; }
echo "smoke run: the unpacked program came up and stayed up, ended cleanly on EXIT, and its link reached the browser launcher"

# The installer in a fresh Wine prefix of its own, as a user runs it: a
# silent install, the shortcut and the entry among installed programs, the
# installed program up on a display, a silent uninstall, and nothing left.
export WINEPREFIX=$smoke/prefix
fail() { echo "make windows: installer: $*" >&2; exit 1; }
windows/wine-run.sh "$top/$installer" /S
"$wineserver" -w
program=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/KARVEL/karvel.exe' | head -n 1)
[ -n "$program" ] || fail "karvel.exe is not in the user's programs folder"
installed=$(dirname "$program")
diff <(cd "$installed" && find . -type f ! -name Uninstall.exe | LC_ALL=C sort) \
     <(cd "$stage" && find . -type f | LC_ALL=C sort) || fail "it did not install exactly what the zip holds"
shortcut="${installed%/AppData/Local/Programs/KARVEL}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/KARVEL.lnk"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
entry() { tr -d '\r' < "$WINEPREFIX/user.reg" | sed -n '/^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\KARVEL\]/,/^$/p'; }
entry | grep -qxF '"DisplayName"="KARVEL"' || fail "no entry KARVEL among installed programs"
entry | grep -qxF "\"DisplayVersion\"=\"$version\"" || fail "the entry has not the version"
status=0
timeout 15 xvfb-run -a windows/wine-run.sh "$program" || status=$?
"$wineserver" -k || true
[ "$status" -eq 124 ] || fail "the installed karvel.exe did not stay up (exit $status)"
windows/wine-run.sh "$installed/Uninstall.exe" /S
"$wineserver" -w
[ ! -e "$installed" ] || fail "the uninstall left $(find "$installed" | head -n 3)"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
[ -z "$(entry)" ] || fail "the uninstall left the entry"
echo "installer: installed silently per user with its shortcut and entry, the program stayed up, the uninstall left nothing"
echo "dist/$name.zip"
echo "$installer"
