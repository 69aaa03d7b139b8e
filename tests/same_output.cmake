# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A tool prints, or writes into a folder, the same bytes on every platform
# as where its digest was committed: the SHA-256 of the list of the SHA-256
# of what it printed or, if it wrote files, of each file (what it prints
# then only names them, as they come).
#   cmake -DCOMMAND=<command,arguments> -DWORK=<folder> -DEXPECTED=<sha256> -P same_output.cmake
# COMMAND starts with the emulator where there is one; it runs in the
# folder, which it names "." to write there.
string(REPLACE "," ";" command "${COMMAND}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${command} WORKING_DIRECTORY ${WORK} OUTPUT_FILE ${WORK}/printed
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${command} failed: ${result}")
endif()
file(GLOB files RELATIVE ${WORK} ${WORK}/*)
list(SORT files)
list(LENGTH files written)
if(written GREATER 1)
    list(REMOVE_ITEM files printed)
endif()
set(list "")
foreach(name IN LISTS files)
    file(SHA256 ${WORK}/${name} digest)
    string(APPEND list "${digest}  ${name}\n")
endforeach()
string(SHA256 digest "${list}")
if(NOT digest STREQUAL EXPECTED)
    message(FATAL_ERROR "${command} gave other bytes than committed: ${digest}, not ${EXPECTED}:\n${list}")
endif()
message(STATUS "the same bytes as committed: ${digest}")
