# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian armhf, cross-built (crossbuild-essential-armhf, qt6-base-dev:armhf).
set(gnu_type arm-linux-gnueabihf)
set(processor arm)
include(${CMAKE_CURRENT_LIST_DIR}/../BuildFacts.cmake)
set(emulator ${KARVEL_EMULATOR_ARMHF})
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
