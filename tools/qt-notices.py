#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The notices of the third-party code compiled into a Qt build.

    qt-notices.py SOURCE BUILD OUTPUT

Qt's source keeps a qt_attribution.json beside each piece of code that it
takes from elsewhere. A piece is in the build when the build read any of its
files, as ninja's record of each object's inputs says; OUTPUT gets, for each
such piece, its name, version, copyright and the full text of its licence.
"""

import json
import pathlib
import subprocess
import sys


def files_read(build):
    """Every file that went into an object of the build, sources and headers."""
    listing = subprocess.run(['ninja', '-C', str(build), '-t', 'deps'], check=True, capture_output=True,
                             text=True).stdout
    return {(build / line.strip()).resolve() for line in listing.splitlines() if line.startswith('    ')}


def attributions(source, read):
    """Each attribution, with its folder, whose folder holds a file that was read."""
    folders = {folder for path in read for folder in path.parents}
    for path in sorted(source.resolve().rglob('qt_attribution.json')):
        if path.parent in folders:
            entries = json.loads(path.read_text(encoding='utf-8'), strict=False)
            for entry in entries if isinstance(entries, list) else [entries]:
                yield path.parent, entry


def as_text(value):
    return '\n'.join(value) if isinstance(value, list) else str(value or '')


def notice(folder, entry):
    licence_files = entry.get('LicenseFiles') or ([entry['LicenseFile']] if entry.get('LicenseFile') else [])
    copyright = as_text(entry.get('Copyright'))
    if not copyright and entry.get('CopyrightFile'):
        copyright = (folder / entry['CopyrightFile']).read_text(encoding='utf-8', errors='replace')
    lines = [f"{entry['Name']} {entry.get('Version', '')}".rstrip(),
             '=' * 72,
             f"Used in Qt for: {entry.get('QtUsage', '')}",
             f"Licence: {entry.get('License', '')} ({entry.get('LicenseId', '')})",
             '', copyright.strip(), '']
    for name in licence_files:
        lines += [(folder / name).read_text(encoding='utf-8', errors='replace').strip(), '']
    return '\n'.join(lines)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, build, output = map(pathlib.Path, sys.argv[1:])
    found = list(attributions(source, files_read(build)))
    if not found:
        sys.exit(f'qt-notices: no attributed code found in {build}')
    texts = sorted({notice(folder, entry) for folder, entry in found})
    output.write_text('\n\n'.join(texts), encoding='utf-8')
    print(f'qt-notices: {len(texts)} notices in {output}:',
          ', '.join(sorted({entry['Name'] for _, entry in found})))


if __name__ == '__main__':
    main()
