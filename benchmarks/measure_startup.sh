#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The KARVEL developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up against the least Qt Widgets program, in the same run, taking
# turns: the time from start to the first shown main window (the probe
# programs end there) and the peak resident memory, medians of N runs.
#   benchmarks/measure_startup.sh [BUILD_DIR] [RUNS]
# Uses the platform in QT_QPA_PLATFORM (offscreen when unset; xcb under
# Xvfb measures a real window system). Goals: within 1.2 times the plain
# program's time and 5 MiB of its peak memory.
set -euo pipefail
build=${1:-build}
runs=${2:-30}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
karvel=$build/benchmarks/karvel_first_show
plain=$build/benchmarks/plain_first_show
for program in "$karvel" "$plain"; do
    [ -x "$program" ] || { echo "missing $program: build first (make build)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run: elapsed microseconds and peak resident KiB, appended to files.
measure() {
    local program=$1 name=$2
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$work/rss" "$program" 2>/dev/null
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 )) >> "$work/$name.time"
    cat "$work/rss" >> "$work/$name.rss"
}

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

"$plain" 2>/dev/null; "$karvel" 2>/dev/null # warm the file cache
for _ in $(seq "$runs"); do
    measure "$karvel" karvel
    measure "$plain" plain
done

karvel_time=$(median "$work/karvel.time"); plain_time=$(median "$work/plain.time")
karvel_rss=$(median "$work/karvel.rss"); plain_rss=$(median "$work/plain.rss")
echo "platform $QT_QPA_PLATFORM, $runs runs each, medians"
echo "karvel: ${karvel_time} us to first shown window, peak ${karvel_rss} KiB"
echo "plain:  ${plain_time} us to first shown window, peak ${plain_rss} KiB"
awk -v k="$karvel_time" -v p="$plain_time" -v kr="$karvel_rss" -v pr="$plain_rss" 'BEGIN {
    ratio = k / p; extra = (kr - pr) / 1024
    printf "time ratio %.2f (goal 1.20 at most): %s\n", ratio, ratio <= 1.2 ? "met" : "missed"
    printf "extra peak memory %.1f MiB (goal 5 at most): %s\n", extra, extra <= 5 ? "met" : "missed"
}'
