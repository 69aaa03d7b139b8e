#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a Windows program of the cross build under Wine:
#   wine-run.sh [--qt PREFIX] PROGRAM.exe [ARGUMENTS...]
# With --qt (as CTest's emulator), Qt and the MinGW runtime come from
# WINEPATH; without, the program must bring its own libraries, as an
# unpacked zip does. Wine hands no QT_* or QTEST_* variable to the program,
# so they are set on the Windows side. The Wine prefix is kept in the cache,
# so that Wine sets it up only once.
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/karvel/wine}
mkdir -p "$WINEPREFIX"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
windows_path() {
    local path
    path=$(realpath "$1")
    printf 'Z:%s' "${path//\//\\}"
}
unset WINEPATH
if [ "${1:-}" = --qt ]; then
    # The compiler's own runtime, where the compiler says it is.
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    qt_bin=$(windows_path "$2/bin")
    runtime=$(windows_path "$runtime")
    mingw_lib=$(windows_path /usr/x86_64-w64-mingw32/lib)
    export WINEPATH="$qt_bin;$runtime;$mingw_lib"
    shift 2
fi
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine64
# Tests run side by side; the first run of a new prefix sets it up alone.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$wine" wineboot --init
            /usr/lib/wine/wineserver -w
        fi
    ) 9>"$WINEPREFIX/.setting-up"
fi
program=$(windows_path "$1")
name=$(basename "$1")
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A Qt test's log does not come through Wine's console; it goes to a file,
# shown once the test has ended.
if [[ $name == test_* ]]; then
    set -- "$@" -o "$(windows_path "$work/log"),txt"
fi
# A batch file sets those variables and starts the program. A path or an
# argument with other than plain characters is quoted, keeping its spaces,
# & and ^ (a switch such as an installer's /S stays bare, as it must); % is
# doubled.
{
    while IFS= read -r setting; do
        printf '@set "%s"\r\n' "${setting//%/%%}"
    done < <(env | grep -E '^QT(EST)?_[A-Z_]+=' || true)
    printf '@'
    for word in "$program" "$@"; do
        word=${word//%/%%}
        if [[ $word =~ ^[][A-Za-z0-9_.,:=/\\+-]+$ ]]; then printf '%s ' "$word"; else printf '"%s" ' "$word"; fi
    done
    printf '\r\n'
} > "$work/run.bat"
status=0
"$wine" cmd /c "$(windows_path "$work/run.bat")" || status=$?
[ ! -f "$work/log" ] || cat "$work/log"
exit "$status"
