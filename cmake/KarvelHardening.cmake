# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# KARVEL_HARDEN: the protections that distributions build with. On Linux the
# flags come from dpkg-buildflags (stack protector, fortified functions,
# RELRO, immediate binding, PIE by the compiler's default); this adds the
# stack clash and control-flow protection that an older dpkg does not give
# yet, where the compiler has them. For Windows it gives what MinGW-w64
# offers without another DLL.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

function(karvel_add_compile_flag_if_supported flag)
    string(MAKE_C_IDENTIFIER "KARVEL_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported} AND NOT " ${CMAKE_CXX_FLAGS} " MATCHES " ${flag}[ =]")
        add_compile_options(${flag})
    endif()
endfunction()

function(karvel_add_link_flag_if_supported flag)
    string(MAKE_C_IDENTIFIER "KARVEL_LINKS${flag}" supported)
    check_linker_flag(CXX ${flag} ${supported})
    if(${supported})
        add_link_options(${flag})
    endif()
endfunction()

if(NOT KARVEL_HARDEN)
    return()
endif()
if(WIN32)
    # Address space layout randomisation (high entropy, relocatable image),
    # data execution prevention, the stack protector and fortified functions.
    # Their checks come from GCC's libssp, linked in statically: no
    # libssp-0.dll to ship.
    foreach(flag -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)
        karvel_add_link_flag_if_supported(${flag})
    endforeach()
    add_compile_options(-fstack-protector-strong -D_FORTIFY_SOURCE=2)
    link_libraries(-Wl,-Bstatic,-lssp,-Bdynamic)
else()
    karvel_add_compile_flag_if_supported(-fstack-clash-protection)
    karvel_add_compile_flag_if_supported(-fcf-protection)
endif()
