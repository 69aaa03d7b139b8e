# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, built by CPack (make package), and the documents that
# go with every installation: the copyright of the program and of its face,
# the changelog.
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
    return()
endif()

# The face's own terms, taken from its Debian copyright file: its copyright
# lines and its licence.
file(READ ${KARVEL_FACE_LICENSE} face_copyright)
string(REGEX MATCH "Copyright:.*License: [^\n]*OFL[^\n]*\n( [^\n]*\n)+" KARVEL_FACE_TERMS "${face_copyright}")
if(NOT KARVEL_FACE_TERMS)
    message(FATAL_ERROR "No copyright and OFL licence paragraph found in ${KARVEL_FACE_LICENSE}")
endif()
string(STRIP "${KARVEL_FACE_TERMS}" KARVEL_FACE_TERMS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_BINARY_DIR}/copyright @ONLY)

# Debian wants the changelog and the manual page compressed, without time stamps.
foreach(document packaging/changelog docs/karvel.1)
    get_filename_component(name ${document} NAME)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${document})
    execute_process(COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/${document}
                    OUTPUT_FILE ${CMAKE_BINARY_DIR}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${KARVEL_DOC_DIR})
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${KARVEL_DOC_DIR} RENAME changelog.Debian.gz)
install(FILES ${CMAKE_BINARY_DIR}/karvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME karvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${KARVEL_PUBLISHER})
set(CPACK_PACKAGE_CONTACT "The KARVEL developers <karvel@example.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dimensions of a dipole driven quad antenna from its frequency")
set(CPACK_PACKAGE_DESCRIPTION "KARVEL is a calculator for radio amateurs who build a two-element quad
antenna whose driven element is a folded dipole with triangular folded
sections. From the operating frequency in MHz it computes, in inches or
centimetres, the element spacing, the wire length of one loop, the driven
element length from centre to tip and the three sides of the folded
sections. A second window shows a diagram of one folded section with
building notes.")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KARVEL_WEB_PAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack would label a cross-built package with the build machine's
# architecture: the one the compiler builds for decides.
if(CMAKE_CROSSCOMPILING)
    execute_process(COMMAND dpkg-architecture -T ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_TARGET_ARCH
                    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
