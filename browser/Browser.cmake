# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser edition, as install rules: a folder of static files that any
# web server serves as it is. The page (index.html) starts the program in
# itself with Qt's loader; a web app manifest lets it be installed as an
# app, and a service worker keeps every file of the folder, so that once
# opened it also works without a network. browser/build.sh installs it and
# makes the zip.

# Only the image formats that the program reads: PNG (in Qt itself) and
# the icon's ICO. No touch protocol of another device either.
qt_import_plugins(karvel INCLUDE_BY_TYPE imageformats Qt6::QICOPlugin EXCLUDE_BY_TYPE generic)
# Smaller rather than faster: the calculation takes microseconds either way.
# No code made at run time (eval), so that a strict content security policy
# holds.
target_link_options(karvel PRIVATE -Oz -sDYNAMIC_EXECUTION=0)

set(KARVEL_RELEASE_NAME karvel-${PROJECT_VERSION}-web)
configure_file(${CMAKE_CURRENT_LIST_DIR}/index.html.in index.html @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/manifest.webmanifest.in manifest.webmanifest @ONLY)
install(FILES $<TARGET_FILE_DIR:karvel>/karvel.wasm $<TARGET_FILE_DIR:karvel>/qtloader.js
              ${CMAKE_CURRENT_BINARY_DIR}/index.html ${CMAKE_CURRENT_LIST_DIR}/karvel-page.js
              ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest
              ${PROJECT_SOURCE_DIR}/assets/karvel.svg ${PROJECT_SOURCE_DIR}/assets/karvel-256.png
        DESTINATION .)
karvel_install_licences(${KARVEL_QT_WASM_SOURCE} browser/build-qt.sh browser/qtbase-wasm.patch)
# The code of others that Qt compiles in, as our Qt recipe found it, and
# emscripten's C and C++ libraries, linked into karvel.wasm.
install(FILES ${QT6_INSTALL_PREFIX}/THIRD-PARTY-NOTICES.txt DESTINATION licenses RENAME Qt-third-party-notices.txt)
install(FILES /usr/share/doc/emscripten/copyright DESTINATION licenses RENAME emscripten-copyright.txt)
# Every file of the folder, which the service worker keeps for offline use.
set(KARVEL_WEB_FILES index.html karvel-page.js karvel.js qtloader.js karvel.wasm manifest.webmanifest karvel.svg
    karvel-256.png ${KARVEL_LICENCE_FILES} licenses/Qt-third-party-notices.txt licenses/emscripten-copyright.txt)

# Last, once every other file is in place: the service worker, which names
# them all, and a cache named after their contents, so that a changed
# folder replaces what a browser kept of the old one.
install(CODE "
    set(KARVEL_RELEASE_NAME ${KARVEL_RELEASE_NAME})
    set(KARVEL_WEB_FILES \"${KARVEL_WEB_FILES}\")
    set(KARVEL_SERVICE_WORKER_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/service-worker.js.in)
    include(${CMAKE_CURRENT_LIST_DIR}/ServiceWorker.cmake)")

# The release's name, for browser/build.sh to source.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/release.sh CONTENT [[
name=@KARVEL_RELEASE_NAME@
]] @ONLY)
