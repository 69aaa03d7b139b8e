# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Finds the face compiled into the program, Liberation Sans Regular version 2
# (SIL Open Font License 1.1), and its Debian copyright file:
#   KARVEL_FACE_FILE     LiberationSans-Regular.ttf
#   KARVEL_FACE_LICENSE  its copyright and licence
# Debian 12 ships version 2 in FACE_PACKAGE of build-facts.env (liberation2/);
# Debian 13 in FACE_PACKAGE_LATER (liberation/), where Debian 12's package of that name has
# version 1, which has other outlines and another licence: only 2 is taken.

# The version that the face's name table gives, such as 2.1.5; empty if none.
function(karvel_face_version file result)
    file(STRINGS ${file} versions REGEX "^Version [0-9]+\\.[0-9.]+" LIMIT_COUNT 1)
    string(REGEX MATCH "[0-9]+\\.[0-9.]+" version "${versions}")
    set(${result} "${version}" PARENT_SCOPE)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/BuildFacts.cmake)
set(face_packages ${KARVEL_FACE_PACKAGE} ${KARVEL_FACE_PACKAGE_LATER})
set(face_folders liberation2 liberation)
if(NOT KARVEL_FACE_FILE OR NOT KARVEL_FACE_LICENSE)
    set(found_older "")
    foreach(package folder IN ZIP_LISTS face_packages face_folders)
        set(face /usr/share/fonts/truetype/${folder}/LiberationSans-Regular.ttf)
        set(licence /usr/share/doc/${package}/copyright)
        if(NOT EXISTS ${face} OR NOT EXISTS ${licence})
            continue()
        endif()
        karvel_face_version(${face} version)
        if(version VERSION_LESS 2)
            list(APPEND found_older "${face} (version ${version})")
            continue()
        endif()
        set(KARVEL_FACE_FILE ${face} CACHE FILEPATH
            "Liberation Sans Regular 2 (LiberationSans-Regular.ttf), compiled into the program")
        set(KARVEL_FACE_LICENSE ${licence} CACHE FILEPATH
            "Copyright and licence (SIL OFL 1.1) of the compiled-in face")
        break()
    endforeach()
    if(NOT KARVEL_FACE_FILE)
        if(found_older)
            set(older " Found only the older Liberation 1: ${found_older}.")
        endif()
        message(FATAL_ERROR "Liberation Sans version 2 or its licence not found.${older} Install Debian's "
                            "${KARVEL_FACE_PACKAGE} (Debian 12) or ${KARVEL_FACE_PACKAGE_LATER} (Debian 13 and later), or set "
                            "KARVEL_FACE_FILE to LiberationSans-Regular.ttf version 2 and KARVEL_FACE_LICENSE "
                            "to its licence text.")
    endif()
endif()

karvel_face_version(${KARVEL_FACE_FILE} version)
if(version VERSION_LESS 2)
    message(FATAL_ERROR "${KARVEL_FACE_FILE} is Liberation Sans ${version}; the windows are drawn for "
                        "version 2 (Debian's ${KARVEL_FACE_PACKAGE}, or ${KARVEL_FACE_PACKAGE_LATER} from Debian 13 on).")
endif()
message(STATUS "The windows' face: ${KARVEL_FACE_FILE} (Liberation Sans ${version})")
