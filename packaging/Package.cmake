# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What an installation holds besides the program and its desktop files. The
# Debian package is made from debian/, which adds the copyright and the
# changelogs; Windows and the browser have their own rules.
# The licences of the program, of Qt and of the face, where a build that
# carries Qt with it (Windows, the browser) ships them: in licenses/.
function(karvel_install_licences)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION licenses
            RENAME KARVEL-GPL-3.0-or-later.txt)
    # Qt is under the LGPL 3, which builds on the GPL 3; its source is Debian's qt6-base.
    install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME Qt-LGPL-3.0.txt)
    install(FILES ${KARVEL_FACE_LICENSE} DESTINATION licenses RENAME LiberationSans-copyright.txt)
endfunction()

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
    return()
elseif(EMSCRIPTEN)
    include(${PROJECT_SOURCE_DIR}/browser/Browser.cmake)
    return()
endif()

install(FILES ${PROJECT_SOURCE_DIR}/docs/karvel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
