#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make release, once the packages, the Windows files and the browser
# edition are made: checks that every file a user downloads is in dist/
# under the one version and that the zips carry every notice, and writes
# their checksums into dist/SHA256SUMS.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/check-version.sh
version=$(sed -n 's/^project(KARVEL VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
files=("karvel-$version.tar.xz")
# PACKAGE_ARCHS, from make, can leave architectures out (CI does, for time).
for codename in bookworm trixie; do
    for arch in ${PACKAGE_ARCHS:-amd64 arm64 armhf}; do
        files+=("$(tools/debian-package.sh name "$codename" "$arch")")
    done
done
files+=("karvel-$version-win64.zip" "karvel-$version-win64-setup.exe" "karvel-$version-web.zip")
cd dist
for file in "${files[@]}"; do
    [ -f "$file" ] || { echo "release: dist/$file is missing" >&2; exit 1; }
done
# The notices of everything compiled into the zips (the installer holds
# what the Windows zip holds).
common=(KARVEL-GPL-3.0-or-later.txt Qt-LGPL-3.0.txt Qt-source.txt LiberationSans-copyright.txt)
notices() {
    local zip=$1 notice listing
    shift
    listing=$(unzip -Z1 "$zip")
    for notice in "${common[@]}" "$@"; do
        grep -qx "[^/]*/licenses/$notice" <<< "$listing" \
            || { echo "release: dist/$zip carries no licenses/$notice" >&2; exit 1; }
    done
}
notices "karvel-$version-win64.zip" Qt-copyright.txt GCC-runtime-copyright.txt MinGW-w64-copyright.txt
notices "karvel-$version-web.zip" Qt-third-party-notices.txt emscripten-copyright.txt
sha256sum "${files[@]}" > SHA256SUMS
sha256sum --check --quiet SHA256SUMS
echo "release: KARVEL $version, in dist/:"
cat SHA256SUMS
