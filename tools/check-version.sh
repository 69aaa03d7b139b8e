#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The version is written once, in CMakeLists.txt; this fails when anything
# that repeats it or is made from it says another: debian/changelog's
# upstream part, the latest entry of NEWS, the AppStream release of the
# built package and, when there is a Windows build, its version resource.
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
for metainfo in build-debian/unpacked-*/usr/share/metainfo/*.metainfo.xml; do
    [ -f "$metainfo" ] || continue
    check "$metainfo" "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)"
done
if [ -f build-windows/ui/karvel.rc ]; then
    check build-windows/ui/karvel.rc "$(sed -n 's/.*"ProductVersion", "\([^"]*\)".*/\1/p' build-windows/ui/karvel.rc)"
fi
[ "$status" -ne 0 ] || echo "check-version: $version everywhere"
exit "$status"
