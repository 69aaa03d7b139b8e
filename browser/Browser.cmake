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
target_link_options(karvel PRIVATE -Oz)

set(KARVEL_RELEASE_NAME karvel-${PROJECT_VERSION}-web)
configure_file(${CMAKE_CURRENT_LIST_DIR}/index.html.in index.html @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/manifest.webmanifest.in manifest.webmanifest @ONLY)
install(FILES $<TARGET_FILE_DIR:karvel>/karvel.wasm $<TARGET_FILE_DIR:karvel>/qtloader.js
              ${CMAKE_CURRENT_BINARY_DIR}/index.html ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest
              ${PROJECT_SOURCE_DIR}/assets/karvel.svg ${PROJECT_SOURCE_DIR}/assets/karvel-256.png
        DESTINATION .)
karvel_install_licences()

# Last, once every other file is in place: the service worker, which names
# them all, and a cache named after their contents, so that a changed
# folder replaces what a browser kept of the old one.
install(CODE "
    set(KARVEL_RELEASE_NAME ${KARVEL_RELEASE_NAME})
    set(KARVEL_SERVICE_WORKER_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/service-worker.js.in)
    include(${CMAKE_CURRENT_LIST_DIR}/ServiceWorker.cmake)")

# The release's name, for browser/build.sh to source.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/release.sh CONTENT [[
name=@KARVEL_RELEASE_NAME@
]] @ONLY)
