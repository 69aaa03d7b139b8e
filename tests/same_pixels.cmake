# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The three windows render pixel for pixel alike whatever fonts the machine
# has: with its own, with DejaVu's alone and with none at all.
#   cmake -DSCREENSHOTS=<tool> -DFONTCONFIGS=<folder> -DWORK=<folder> [-DEMULATOR=<command,arguments>]
#         -P same_pixels.cmake
string(REPLACE "," ";" emulator "${EMULATOR}")
set(configurations machine dejavu none)
foreach(configuration IN LISTS configurations)
    set(folder ${WORK}/${configuration})
    file(REMOVE_RECURSE ${folder})
    file(MAKE_DIRECTORY ${folder})
    if(configuration STREQUAL "machine")
        set(fonts --unset=FONTCONFIG_FILE)
    else()
        set(fonts FONTCONFIG_FILE=${FONTCONFIGS}/${configuration}.conf)
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${fonts} QT_QPA_PLATFORM=offscreen ${emulator} ${SCREENSHOTS} ${folder}
                    RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "screenshots failed with the ${configuration} fonts: ${result}")
    endif()
endforeach()
foreach(window main-window details-window link-window)
    foreach(configuration dejavu none)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                        ${WORK}/machine/${window}.png ${WORK}/${configuration}/${window}.png
                        RESULT_VARIABLE different)
        if(different)
            message(FATAL_ERROR "${window} differs between the machine's fonts and the ${configuration} fonts")
        endif()
    endforeach()
endforeach()
