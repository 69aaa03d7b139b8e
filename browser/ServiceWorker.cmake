# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run at install time, in the installed folder: writes service-worker.js,
# which keeps exactly the files there, under a cache named after the
# release and a digest of their contents.
set(folder $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX})
file(GLOB_RECURSE files RELATIVE ${folder} ${folder}/*)
list(REMOVE_ITEM files service-worker.js)
list(SORT files)
set(contents "")
set(names "")
foreach(file IN LISTS files)
    file(SHA256 ${folder}/${file} digest)
    string(APPEND contents "${file} ${digest}\n")
    string(APPEND names "    './${file}',\n")
endforeach()
string(SHA256 digest "${contents}")
string(SUBSTRING ${digest} 0 16 digest)
set(KARVEL_CACHE_NAME ${KARVEL_RELEASE_NAME}-${digest})
set(KARVEL_CACHED_FILES "    './',\n${names}")
configure_file(${KARVEL_SERVICE_WORKER_TEMPLATE} ${folder}/service-worker.js @ONLY)
message(STATUS "Installing: ${folder}/service-worker.js (cache ${KARVEL_CACHE_NAME})")
