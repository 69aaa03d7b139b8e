#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make test-debian12, make test-debian13: what a newcomer does on a fresh
# Debian of that release, in a fresh copy of a minimal one (see
# debian-system.sh), as an ordinary user with sudo: a fresh clone of the
# last commit, the README's test command, the package, its installation,
# and the installed program started (it must stay up).
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
debian_system_user '
    . /etc/os-release
    echo "test-debian: $PRETTY_NAME, as $(id -un)"
    cd karvel
    make test
    make package
    sudo apt-get install -y --no-install-recommends ./dist/karvel_*.deb
    status=0
    QT_QPA_PLATFORM=offscreen timeout 5 karvel || status=$?
    [ "$status" -eq 124 ] || { echo "test-debian: the installed karvel did not stay up (exit $status)" >&2; exit 1; }
    echo "test-debian: the tests passed, the package installed and the installed program stayed up"
'
# That release's flags, read by the machine's hardening-check where it has
# one, asked as the Makefile asks it.
if command -v hardening-check >/dev/null; then
    ${HARDENING_CHECK:-hardening-check} "$system_home/karvel/build-package/ui/karvel"
fi
