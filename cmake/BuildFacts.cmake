# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The build's facts (build-facts.env) as CMake variables: KARVEL_<NAME>.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../build-facts.env karvel_facts REGEX "^[A-Z0-9_]+=")
foreach(fact IN LISTS karvel_facts)
    string(REGEX MATCH "^([A-Z0-9_]+)=(.*)$" fact "${fact}")
    set(KARVEL_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
