#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make web: KARVEL for the browser (WebAssembly), built in a fresh Debian 13
# system (tools/debian-system.sh) from a fresh clone of the last commit,
# with Debian 13's emscripten and a Qt for WebAssembly: KARVEL_QT_WASM
# names a .tar.xz of one; by default it is the one that browser/build-qt.sh
# builds, with only what KARVEL uses, made once into the cache (in the same
# system, some 10 minutes) and again whenever that script changes.
#  1. dist/karvel-VERSION-web/: the folder that a web server serves as it
#     is, and dist/karvel-VERSION-web.zip of it; the same bytes from every
#     build of a commit.
#  2. The dimension sweep and the conversion check on every 101st single,
#     built for WebAssembly and run by node, must print the same bytes as
#     this machine's own build of them.
# Needs root for the system (with sudo when not root).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
. tools/debian-system.sh

. ./build-facts.env
# Made anew when the recipe or the Qt it builds changes.
recipe=$( (cat browser/build-qt.sh browser/qtbase-wasm.patch tools/qt-notices.py; echo "$QT_WASM_SOURCE") | sha256sum | cut -c1-16)
qt=${KARVEL_QT_WASM:-$debian_system_cache/qt6-wasm-$recipe.tar.xz}

compare=$top/build-browser
rm -rf "$compare" && mkdir -p "$compare" dist
debian_system_copy trixie
debian_system_clone
[ ! -f "$qt" ] || tar xJf "$qt" -C "$system_root/opt"
debian_system_root '
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends emscripten nodejs qt6-base-dev qt6-base-dev-tools cmake ninja-build \
        '"$FACE_PACKAGE_LATER"' zip > /dev/null
    # Qt for WebAssembly takes its host tools and their CMake files from
    # the Debian Qt of the same version, and finds emscripten through an
    # emsdk layout; Debian keeps emscripten in /usr/share/emscripten, with
    # a ready cache of its system libraries.
    mkdir -p /opt/emsdk/upstream
    ln -sfn /usr/share/emscripten /opt/emsdk/upstream/emscripten
    echo "EMSCRIPTEN_ROOT = '"'/upstream/emscripten'"'" > /opt/emsdk/.emscripten
'
if [ ! -f "$qt" ]; then
    echo "web: building Qt for WebAssembly into $qt (once)"
    debian_system_root '
        sed -n "s/^deb /deb-src /p" /etc/apt/sources.list > /etc/apt/sources.list.d/sources.list
        apt-get update -qq
        EMSDK=/opt/emsdk /home/newcomer/karvel/browser/build-qt.sh /opt/qt6-wasm
        tar -C /opt -cJf /root/qt6-wasm.tar.xz qt6-wasm
    '
    mv "$system_root/root/qt6-wasm.tar.xz" "$qt.new" && mv "$qt.new" "$qt"
fi
# shellcheck disable=SC2016 # expanded in the system, not here
debian_system_user '
    cd karvel
    export EMSDK=/opt/emsdk KARVEL_QT_WASM=/opt/qt6-wasm SOURCE_DATE_EPOCH=$(tools/source-date-epoch.sh)
    cmake --preset web > /dev/null
    cmake --build --preset web -j "$(nproc)"
    . build-web/release.sh
    cmake --install build-web --prefix "$PWD/build-web/folder/$name" > /dev/null
    tools/zip-folder.sh "build-web/folder/$name" "build-web/$name.zip"
    node build-web/tools/dimension_sweep.js > build-web/sweep.txt
    node build-web/tools/exhaustive_conversions.js 101 > build-web/conversions.txt
'
name=$(sed -n 's/^name=//p' "$system_home/karvel/build-web/release.sh")
rm -rf "dist/$name" "dist/$name.zip"
cp -a "$system_home/karvel/build-web/folder/$name" "$system_home/karvel/build-web/$name.zip" dist/
cp "$system_home/karvel/build-web/"{sweep,conversions}.txt "$compare/"
chown -R --reference=. "dist/$name" "dist/$name.zip" "$compare"
(cd dist && unzip -l "$name.zip" && gzip -9 --no-name --stdout "$name/karvel.wasm" | wc -c |
    xargs printf 'web: karvel.wasm is %s bytes gzipped\n')

# The same digits as this machine's own build, made by whoever ran make.
as_caller() { if [ -n "${SUDO_USER:-}" ]; then sudo -u "$SUDO_USER" "$@"; else "$@"; fi; }
as_caller cmake --preset default > /dev/null
as_caller cmake --build --preset default --target dimension_sweep exhaustive_conversions
as_caller build/tools/dimension_sweep > "$compare/sweep-native.txt"
as_caller build/tools/exhaustive_conversions 101 > "$compare/conversions-native.txt"
for check in sweep conversions; do
    cmp "$compare/$check-native.txt" "$compare/$check.txt"
    echo "web: the same $check as this machine's build: $(wc -l < "$compare/$check.txt") lines" \
         "($(sha256sum < "$compare/$check.txt" | cut -c1-16))"
done
