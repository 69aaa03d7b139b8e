#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The version is written once, in CMakeLists.txt; this fails when anything
# that repeats it or is made from it says another: debian/changelog's
# upstream part, the latest entry of NEWS, the man page, the version the
# tests expect, the AppStream release of the built package and, when there
# is a Windows build, its version resource. The release's date is NEWS's:
# the man page and the AppStream release must give the same.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(KARVEL VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "check-version: no version in CMakeLists.txt" >&2; exit 1; }
status=0
check() {
    if [ "$2" != "$version" ]; then
        echo "check-version: $1 says ${2:-nothing}, CMakeLists.txt $version" >&2
        status=1
    fi
}
debian=$(dpkg-parsechangelog --show-field Version)
check debian/changelog "${debian%-*}"
check NEWS "$(sed -n 's/^\([0-9][0-9.]*\) (.*/\1/p' NEWS | head -n 1)"
check docs/karvel.1 "$(sed -n 's/^\.TH KARVEL 1 "[^"]*" "KARVEL \([^"]*\)".*/\1/p' docs/karvel.1)"
check tests/test_windows.cpp "$(sed -n 's/.*applicationVersion(), "\([^"]*\)".*/\1/p' tests/test_windows.cpp)"
date=$(date -u -d "$(sed -n 's/^[0-9][0-9.]* (\(.*\))$/\1/p' NEWS | head -n 1)" +%F)
check_date() {
    if [ "$2" != "$date" ]; then
        echo "check-version: $1 gives the date ${2:-nothing}, NEWS $date" >&2
        status=1
    fi
}
check_date docs/karvel.1 "$(sed -n 's/^\.TH KARVEL 1 "\([^"]*\)".*/\1/p' docs/karvel.1)"
check_date assets/karvel.metainfo.xml.in "$(sed -n 's/.*<release version="@PROJECT_VERSION@" date="\([^"]*\)".*/\1/p' assets/karvel.metainfo.xml.in | head -n 1)"
for metainfo in build-debian/unpacked-*/usr/share/metainfo/*.metainfo.xml; do
    [ -f "$metainfo" ] || continue
    check "$metainfo" "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)"
done
if [ -f build-windows/ui/karvel.rc ]; then
    check build-windows/ui/karvel.rc "$(sed -n 's/.*"ProductVersion", "\([^"]*\)".*/\1/p' build-windows/ui/karvel.rc)"
fi
[ "$status" -ne 0 ] || echo "check-version: $version everywhere"
exit "$status"
