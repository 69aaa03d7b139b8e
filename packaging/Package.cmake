# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What an installation holds besides the program and its desktop files. The
# Debian package is made from debian/, which adds the copyright and the
# changelogs; Windows has its own rules.
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
    return()
endif()

install(FILES ${PROJECT_SOURCE_DIR}/docs/karvel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
