#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make test-debian12, make test-debian13: what a newcomer does on a fresh
# Debian of that release, in a fresh copy of a minimal one (see
# debian-system.sh), as an ordinary user with sudo: a fresh clone of the
# last commit and the README's test command. (make autopkgtest installs
# and tests the package on each release.)
#   tools/test-debian.sh 12|13
# Needs root for chroot and mount (with sudo when not root).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
. tools/debian-system.sh
case ${1:-} in
    12) codename=bookworm ;;
    13) codename=trixie ;;
    *) echo "usage: $0 12|13" >&2; exit 2 ;;
esac

debian_system_copy "$codename"
debian_system_clone
# shellcheck disable=SC2016 # expanded in the system, not here
debian_system_user '
    . /etc/os-release
    echo "test-debian: $PRETTY_NAME, as $(id -un)"
    cd karvel
    make test
    echo "test-debian: the tests passed"
'
