# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the Windows zip and installer hold, as install rules: the program
# (installed by ui/), the Qt and MinGW libraries and plugins it needs, and
# the licences. windows/build.sh installs it into the zip's folder, strips
# it and makes the zip and, with the script configured here, the installer.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# The compiler's own runtime, from where the compiler takes it.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE library OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${library}")
        string(MAKE_C_IDENTIFIER "KARVEL_${runtime}" variable)
        find_file(${variable} ${runtime} PATH_SUFFIXES lib bin REQUIRED)
        set(library ${${variable}})
    endif()
    install(FILES ${library} DESTINATION .)
endforeach()
# Their licences, as Debian ships them with the compiler: GCC's for
# libstdc++ and libgcc (with its runtime library exception), MinGW-w64's
# for winpthreads.
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses RENAME GCC-runtime-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses RENAME MinGW-w64-copyright.txt)

karvel_install_licences(${KARVEL_QT_MINGW_SOURCE} windows/build-qt.sh)
# The code of others that Qt compiles in (FreeType, HarfBuzz, PCRE2, libpng,
# libjpeg, zlib, double-conversion, ...), each with its licence: Debian's
# copyright file of qt6-base, from this machine's Qt of the same version.
string(REGEX REPLACE "[+].*" "" qt_version ${KARVEL_QT_MINGW_SOURCE})
foreach(package libqt6core6 libqt6core6t64)
    execute_process(COMMAND dpkg-query [=[--showformat=${source:Version}]=] --show ${package}
                    OUTPUT_VARIABLE version ERROR_QUIET)
    string(REGEX REPLACE "[+].*" "" version "${version}")
    if(version STREQUAL qt_version AND EXISTS /usr/share/doc/${package}/copyright)
        install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses RENAME Qt-copyright.txt)
        set(qt_copyright /usr/share/doc/${package}/copyright)
    endif()
endforeach()
if(NOT qt_copyright)
    message(FATAL_ERROR "The notices of the code that Qt ${qt_version} compiles in come from Debian's "
                        "copyright file of qt6-base ${qt_version}, which this machine's Qt (libqt6core6) "
                        "is not: build for Windows on Debian 12.")
endif()

# The release's name and the facts windows/build.sh needs, for it to source.
set(KARVEL_RELEASE_NAME karvel-${PROJECT_VERSION}-win64)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/release.sh CONTENT [[
name=@KARVEL_RELEASE_NAME@
page=@KARVEL_WEB_PAGE@/
version=@PROJECT_VERSION@
]] @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/windows/installer.nsi.in ${CMAKE_BINARY_DIR}/installer.nsi @ONLY)
