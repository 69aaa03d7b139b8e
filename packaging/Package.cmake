# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What an installation holds besides the program and its desktop files. The
# Debian package is made from debian/, which adds the copyright and the
# changelogs; Windows and the browser have their own rules.
# The licences of the program, of Qt and of the face, where a build that
# carries Qt with it (Windows, the browser) ships them: in licenses/; with
# where the source of that Qt is, as the LGPL asks: the Debian source
# package SOURCE_VERSION of qt6-base, built by the RECIPE files of ours.
# KARVEL_LICENCE_FILES: what it installs.
include(${PROJECT_SOURCE_DIR}/cmake/BuildFacts.cmake)
function(karvel_install_licences source_version)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION licenses
            RENAME KARVEL-GPL-3.0-or-later.txt)
    install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME Qt-LGPL-3.0.txt)
    install(FILES ${KARVEL_FACE_LICENSE} DESTINATION licenses RENAME LiberationSans-copyright.txt)
    list(JOIN ARGN " and " recipe)
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/Qt-source.txt CONTENT [[
The Qt libraries in this copy of KARVEL @PROJECT_VERSION@ are Qt's qtbase,
built from Debian's source package qt6-base, version @source_version@
(apt-get source qt6-base=@source_version@ on a Debian system whose apt
has that version's deb-src), by @recipe@ of KARVEL's
own source, which is in karvel-@PROJECT_VERSION@.tar.xz beside this file where
you downloaded it, and at @KARVEL_WEB_PAGE@/.
]] @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/Qt-source.txt DESTINATION licenses)
    set(KARVEL_LICENCE_FILES licenses/KARVEL-GPL-3.0-or-later.txt licenses/Qt-LGPL-3.0.txt
        licenses/LiberationSans-copyright.txt licenses/Qt-source.txt PARENT_SCOPE)
endfunction()

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
    return()
elseif(EMSCRIPTEN)
    include(${PROJECT_SOURCE_DIR}/browser/Browser.cmake)
    return()
endif()

install(FILES ${PROJECT_SOURCE_DIR}/docs/karvel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
