#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A zip of a folder that has the same bytes whoever makes it, wherever and
# whenever: entries in sorted order, with SOURCE_DATE_EPOCH as their time in
# UTC, fixed modes, no owners or extra fields. The folder's files get those
# modes and times too.
#   tools/zip-folder.sh FOLDER ZIP
set -euo pipefail
folder=${1:?usage: zip-folder.sh FOLDER ZIP}
zip=$(realpath -m "${2:?usage: zip-folder.sh FOLDER ZIP}")
: "${SOURCE_DATE_EPOCH:?zip-folder.sh needs SOURCE_DATE_EPOCH}"
find "$folder" -type d -exec chmod 755 {} + -o -type f -exec chmod 644 {} +
find "$folder" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
rm -f "$zip"
cd "$(dirname "$folder")"
name=$(basename "$folder")
find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -9 -@ "$zip"
