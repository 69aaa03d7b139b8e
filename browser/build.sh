#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make web: KARVEL for the browser (WebAssembly), built in a fresh Debian 13
# (tools/debian-run.sh) from a fresh clone of the last commit, with Debian
# 13's emscripten and a Qt for WebAssembly: KARVEL_QT_WASM names a .tar.xz
# of one; by default it is the one that browser/build-qt.sh builds, with
# only what KARVEL uses, made once into the cache (some 10 minutes) and
# again whenever that recipe changes.
#  1. dist/karvel-VERSION-web/: the folder that a web server serves as it
#     is, and dist/karvel-VERSION-web.zip of it; the same bytes from every
#     build of a commit.
#  2. Its tests under node: the dimension sweep and the conversions on
#     every 101st single give the committed digits.
set -euo pipefail
cd "$(dirname "$0")/.."
. ./build-facts.env
cache=${XDG_CACHE_HOME:-$HOME/.cache}/karvel
# Made anew when the recipe or the Qt it builds changes.
recipe=$( (cat browser/build-qt.sh browser/qtbase-wasm.patch tools/qt-notices.py; echo "$QT_WASM_SOURCE") | sha256sum | cut -c1-16)
qt=${KARVEL_QT_WASM:-$cache/qt6-wasm-$recipe.tar.xz}
packages=emscripten,nodejs,qt6-base-dev,qt6-base-dev-tools,cmake,ninja-build,zip,xz-utils,$FACE_PACKAGE_LATER
# Qt for WebAssembly takes its host tools and their CMake files from the
# Debian Qt of the same version, and finds emscripten through an emsdk
# layout; Debian keeps emscripten in /usr/share/emscripten, with a ready
# cache of its system libraries.
emsdk="sudo mkdir -p /opt/emsdk/upstream
sudo ln -sfn /usr/share/emscripten /opt/emsdk/upstream/emscripten
echo \"EMSCRIPTEN_ROOT = '/upstream/emscripten'\" | sudo tee /opt/emsdk/.emscripten > /dev/null
export EMSDK=/opt/emsdk"

# The first run builds Qt in the same system as KARVEL, and brings it back
# into the cache; later runs unpack it from there.
if [ -f "$qt" ]; then
    in=(--copy-in="$qt") back=() qt_setup="sudo tar -xJf ~/$(basename "$qt") -C /opt"
else
    echo "web: building Qt for WebAssembly into $qt (once)"
    in=() back=(--bring-back=build-qt) qt_setup='
sed -n "s/^deb /deb-src /p" /etc/apt/sources.list | sudo tee /etc/apt/sources.list.d/sources.list > /dev/null
sudo apt-get update -qq
sudo --preserve-env=EMSDK browser/build-qt.sh /opt/qt6-wasm
mkdir build-qt && tar -C /opt -cJf build-qt/qt6-wasm.tar.xz qt6-wasm'
fi
# shellcheck disable=SC2016 # expanded in the system, not here
tools/debian-run.sh --include="$packages" "${in[@]}" "${back[@]}" --bring-back=build-web/folder trixie "$emsdk
$qt_setup"'
export KARVEL_QT_WASM=/opt/qt6-wasm SOURCE_DATE_EPOCH=$(tools/source-date-epoch.sh)
cmake --preset web > /dev/null
cmake --build --preset web -j "$(nproc)"
ctest --preset web
name=$(sed -n "s/^name=//p" build-web/release.sh)
cmake --install build-web --prefix "$PWD/build-web/folder/$name" > /dev/null
tools/zip-folder.sh "build-web/folder/$name" "build-web/folder/$name.zip"' || failed=$?
# A Qt once built is kept, also when the build of KARVEL failed.
[ ! -f build-qt/qt6-wasm.tar.xz ] || { mkdir -p "$cache" && mv build-qt/qt6-wasm.tar.xz "$qt"; }
rm -rf build-qt
[ -z "${failed:-}" ] || exit "$failed"
name=$(cd build-web/folder && echo karvel-*-web.zip) && name=${name%.zip}
mkdir -p dist && rm -rf "dist/$name" "dist/$name.zip"
cp -a "build-web/folder/$name" "build-web/folder/$name.zip" dist/
(cd dist && unzip -l "$name.zip" && gzip -9 --no-name --stdout "$name/karvel.wasm" | wc -c |
    xargs printf 'web: karvel.wasm is %s bytes gzipped\n')
