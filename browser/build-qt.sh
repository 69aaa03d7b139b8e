#!/bin/bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Qt for WebAssembly that the browser edition links: the Qt that
# build-facts.env names (qtbase, static, single-threaded) from Debian 13's own qt6-base source
# package with Debian 13's emscripten, so that it matches the host tools of
# Debian 13's qt6-base-dev-tools; with only the modules and features that
# KARVEL uses, so that the page loads little; with our patch to its browser
# platform (qtbase-wasm.patch: the page's text fields carry their names, the
# title bar's pictures an empty alt text, the input element the keypad that
# a field asks for); and with the notices of the third-party code compiled
# in, PREFIX/THIRD-PARTY-NOTICES.txt (tools/qt-notices.py). Run as root inside a
# throwaway Debian 13 system whose apt has deb-src (browser/build.sh does):
#   build-qt.sh PREFIX      (about 10 minutes on 2 cores)
set -euo pipefail
prefix=${1:?usage: build-qt.sh PREFIX}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../build-facts.env"
apt-get install -y -qq --no-install-recommends emscripten nodejs qt6-base-dev qt6-base-dev-tools cmake \
    ninja-build python3 xz-utils dpkg-dev > /dev/null
emsdk=${EMSDK:?build-qt.sh needs EMSDK, the emsdk layout of Debian emscripten}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
apt-get source --download-only "qt6-base=$QT_WASM_SOURCE" > /dev/null
tar xJf "qt6-base_${QT_WASM_SOURCE%-*}.orig.tar.xz"
src=$work/qtbase-everywhere-src-${QT_WASM_SOURCE%%+*}
patch -d "$src" -p1 --quiet < "$here/qtbase-wasm.patch"
# The browser platform's own fonts stay out: every window, message box
# included, is drawn in the face compiled into KARVEL.
sed -i '/src\/3rdparty\/wasm\/DejaVuSans\(Mono\)\?\.ttf"/d' "$src/src/plugins/platforms/wasm/CMakeLists.txt"
off=(
    # Modules that KARVEL does not link.
    network xml dbus concurrent testlib printsupport
    # Widgets that none of its windows or message boxes has.
    graphicsview graphicseffect effects mdiarea dockwidget toolbox calendarwidget datetimeedit dial lcdnumber
    splashscreen syntaxhighlighter colordialog filedialog fontdialog fontcombobox inputdialog errormessage
    wizard progressdialog undoview columnview treewidget tablewidget listwidget tableview treeview
    datawidgetmapper keysequenceedit commandlinkbutton mainwindow menubar toolbar statusbar fscompleter
    completer combobox spinbox progressbar whatsthis tabwidget style-stylesheet
    # Formats and services it neither reads nor offers.
    pdf textodfwriter textmarkdownreader textmarkdownwriter movie imageformat_bmp imageformat_ppm
    imageformat_xbm jpeg gif systemtrayicon sessionmanager tuiotouch vulkan undocommand
    undostack undogroup tabletevent filesystemmodel standarditemmodel mimetype-database
    jalalicalendar hijricalendar islamiccivilcalendar sortfilterproxymodel identityproxymodel
    transposeproxymodel concatenatetablesproxymodel commandlineparser
    sharedmemory systemsemaphore
)
mkdir build && cd build
export EMSDK=$emsdk
# A unity build compiles Qt's sources a few at a time as one, so that each
# batch parses Qt's headers once: 521 build steps instead of 860.
"$src/configure" -platform wasm-emscripten -qt-host-path /usr -prefix "$prefix" -release -static \
    -unity-build -optimize-size -nomake examples -nomake tests -no-feature-sql "${off[@]/#/-no-feature-}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake > configure.log 2>&1 || {
    tail -40 configure.log >&2
    exit 1
}
grep -i "warning\|error" configure.log | head -20 || true
cmake --build . --parallel "$(nproc)"
cmake --install . > /dev/null
"$here/../tools/qt-notices.py" "$src" . "$prefix/THIRD-PARTY-NOTICES.txt"
