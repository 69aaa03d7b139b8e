# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A Debian architecture with Debian's cross compilers (crossbuild-essential-*)
# and that architecture's Qt (qt6-base-dev:*); the build machine's moc and
# rcc serve it. Tests run under qemu's user-mode emulation. Included by the
# toolchain file of each architecture, which sets the three below.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${processor})
set(CMAKE_C_COMPILER ${gnu_type}-gcc)
set(CMAKE_CXX_COMPILER ${gnu_type}-g++)
set(PKG_CONFIG_EXECUTABLE ${gnu_type}-pkg-config)
set(CMAKE_CROSSCOMPILING_EMULATOR ${emulator};-L;/)
