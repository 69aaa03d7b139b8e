#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make release, once the packages, the Windows files and the browser
# edition are made: checks
# that every file a user downloads is in dist/ under the one version, and
# writes their checksums into dist/SHA256SUMS.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/check-version.sh
version=$(sed -n 's/^project(KARVEL VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
files=("karvel-$version.tar.xz")
for codename in bookworm trixie; do
    for arch in amd64 arm64 armhf; do
        files+=("$(tools/debian-package.sh name "$codename" "$arch")")
    done
done
files+=("karvel-$version-win64.zip" "karvel-$version-win64-setup.exe" "karvel-$version-web.zip")
cd dist
for file in "${files[@]}"; do
    [ -f "$file" ] || { echo "release: dist/$file is missing" >&2; exit 1; }
done
sha256sum "${files[@]}" > SHA256SUMS
sha256sum --check --quiet SHA256SUMS
echo "release: KARVEL $version, in dist/:"
cat SHA256SUMS
