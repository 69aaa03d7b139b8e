# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian arm64, cross-built (crossbuild-essential-arm64, qt6-base-dev:arm64).
set(gnu_type aarch64-linux-gnu)
set(processor aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/../BuildFacts.cmake)
set(emulator ${KARVEL_EMULATOR_ARM64})
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
