# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=sh
#
# What the tests share: the installed karvel on the X server of xvfb-run,
# driven from outside with xdotool as a user's keyboard and mouse drive it.
# Sourced by the tests, on their display.

work=${AUTOPKGTEST_TMP:-$(mktemp -d)}
# The desktop's opener, as the program finds it: one that records what it
# was asked to open and answers with the exit status in $work/opener-status.
mkdir -p "$work/bin"
echo 0 > "$work/opener-status"
# shellcheck disable=SC2016 # the opener's own $1 and $(...)
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s/opened"\nexit "$(cat "%s/opener-status")"\n' "$work" "$work" \
    > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The window of that title, once shown.
window() {
    xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# Starts /usr/bin/karvel and waits for its main window.
start_karvel() {
    /usr/bin/karvel &
    karvel=$!
    main=$(window 'VEVUZORO\(tm\)')
    xdotool windowfocus --sync "$main"
}

# A click in the middle of a control, given as the program describes it:
# left, top, width and height in twips, 15 to a pixel.
click() {
    xdotool mousemove --sync --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1
    sleep 0.3
}

# Waits up to 10 s for karvel to end; fails if it does not, or not cleanly.
expect_end() {
    for _ in $(seq 50); do
        if ! kill -0 "$karvel" 2>/dev/null; then
            wait "$karvel" || fail "karvel ended with exit status $?"
            return
        fi
        sleep 0.2
    done
    fail "karvel did not end"
}
