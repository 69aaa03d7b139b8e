# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian armhf with Debian's cross compilers (crossbuild-essential-armhf) and
# that architecture's Qt (qt6-base-dev:armhf); the build machine's moc and
# rcc serve it. Tests run under qemu's user-mode emulation.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)
set(PKG_CONFIG_EXECUTABLE arm-linux-gnueabihf-pkg-config)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm-static;-L;/)
