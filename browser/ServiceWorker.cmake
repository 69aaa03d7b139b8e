# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run at install time, in the installed folder: writes service-worker.js,
# which keeps the files of KARVEL_WEB_FILES with their SHA-256 digests,
# under a cache named after the release and that list. The folder must hold
# exactly those files: one left off the list would be missing offline.
set(folder $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX})
file(GLOB_RECURSE found RELATIVE ${folder} ${folder}/*)
list(REMOVE_ITEM found service-worker.js)
set(expected ${KARVEL_WEB_FILES})
list(SORT found)
list(SORT expected)
if(NOT found STREQUAL expected)
    message(FATAL_ERROR "The browser edition's folder ${folder} holds:\n  ${found}\nits worker keeps:\n  ${expected}")
endif()
set(contents "")
foreach(file IN LISTS expected)
    file(SHA256 ${folder}/${file} digest)
    string(APPEND contents "    '${file}': '${digest}',\n")
    # The folder's own address serves the page.
    if(file STREQUAL "index.html")
        string(APPEND contents "    './': '${digest}',\n")
    endif()
endforeach()
string(SHA256 digest "${contents}")
string(SUBSTRING ${digest} 0 16 digest)
set(KARVEL_CACHE_NAME ${KARVEL_RELEASE_NAME}-${digest})
set(KARVEL_CACHED_FILES "${contents}")
configure_file(${KARVEL_SERVICE_WORKER_TEMPLATE} ${folder}/service-worker.js @ONLY)
message(STATUS "Installing: ${folder}/service-worker.js (cache ${KARVEL_CACHE_NAME})")
