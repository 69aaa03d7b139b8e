#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# KARVEL's suite for the Raspberry Pi's Debian 12, cross-built with Debian's
# cross compilers against that architecture's Qt, in a fresh copy of a
# minimal Debian 12 (see debian-system.sh) with the architecture added
# there, so that the machine's own apt keeps its architectures and packages
# (the packages themselves are made by sbuild: debian-package.sh):
#   tools/cross-build.sh test
#       the whole suite on arm64 under qemu's user-mode emulation, and the
#       calculator, conversions and main window tests on armhf; the six
#       dimensions over a dense sweep and the windows' pixels must come out
#       byte for byte as on amd64, and the conversions must hold on a
#       sample of every single
# Needs root for chroot and mount (with sudo when not root).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
. ./build-facts.env

emulator() {
    case $1 in
        arm64) echo "$EMULATOR_ARM64 -L /" ;;
        armhf) echo "$EMULATOR_ARMHF -L /" ;;
    esac
}

# In the throwaway system, as its user, in the clone.
inside_test() {
    local arch scale
    for arch in arm64 armhf; do
        make deps KARVEL_ARCH=$arch
    done
    cmake --preset default
    cmake --build --preset default -j "$(nproc)" --target dimension_sweep screenshots
    cmake --preset arm64
    cmake --build --preset arm64 -j "$(nproc)"
    ctest --preset arm64 -j "$(nproc)"
    cmake --preset armhf
    cmake --build --preset armhf -j "$(nproc)" --target test_calculator test_conversions test_form1 dimension_sweep
    ctest --preset armhf -j "$(nproc)" -R '^test_(calculator|conversions|form1)'

    mkdir -p compare
    build/tools/dimension_sweep > compare/sweep-amd64.txt
    for arch in arm64 armhf; do
        $(emulator $arch) build-$arch/tools/dimension_sweep > compare/sweep-$arch.txt
        cmp compare/sweep-amd64.txt compare/sweep-$arch.txt
        echo "cross-build: $arch computes the six dimensions as amd64 does," \
             "$(wc -l < compare/sweep-$arch.txt) lines ($(sha256sum < compare/sweep-$arch.txt | cut -c1-16))"
    done
    for scale in 1 1.5 2; do
        mkdir -p compare/amd64-$scale compare/arm64-$scale
        export FONTCONFIG_FILE=$PWD/tests/fontconfig/none.conf QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale
        build/tools/screenshots compare/amd64-$scale > /dev/null
        $(emulator arm64) build-arm64/tools/screenshots compare/arm64-$scale > /dev/null
        unset FONTCONFIG_FILE QT_QPA_PLATFORM QT_SCALE_FACTOR
        diff -r compare/amd64-$scale compare/arm64-$scale
        echo "cross-build: at scale $scale the arm64 windows are byte-identical to amd64's:" \
             "$(cd compare/arm64-$scale && echo *.png)"
    done
    # Every 101st bit pattern: about 42 million singles, two minutes under
    # emulation.
    $(emulator arm64) build-arm64/tools/exhaustive_conversions 101
}

if [ "${1:-}" = --inside ]; then
    "inside_$2" "${@:3}"
    exit
fi

. tools/debian-system.sh
[ "${1:-}" = test ] || { echo "usage: $0 test" >&2; exit 2; }
architectures="arm64 armhf"

debian_system_copy bookworm
debian_system_clone
debian_system_root "for arch in $architectures; do dpkg --add-architecture \$arch; done"
debian_system_user "cd karvel && tools/cross-build.sh --inside test"
