#!/bin/sh
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Prints the time that every build step writes into an artefact: the
# SOURCE_DATE_EPOCH given, else the last commit's, else (outside git) that
# of the changelog's latest entry. Fails when there is none of them.
set -eu
cd "$(dirname "$0")/.."
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
elif git rev-parse --is-inside-work-tree >/dev/null 2>&1 && [ "$(git rev-parse --show-toplevel)" = "$PWD" ]; then
    git log -1 --format=%ct
elif [ -f debian/changelog ]; then
    dpkg-parsechangelog -l debian/changelog -STimestamp
else
    echo "source-date-epoch: neither git nor debian/changelog says when this source is from: set SOURCE_DATE_EPOCH" >&2
    exit 1
fi
