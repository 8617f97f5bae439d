#!/usr/bin/env bash
# Times exec-to-window-on-screen for Strumix's title window and for a minimal Qt window,
# side by side under one Xvfb, and prints the medians and their ratio.
# Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build/release}
runs=${2:-15}
strumix=$build/app/strumix
minimal=$build/bench/minimal_window
# Settings, recovery and caches of the runs' own, away from the user's.
home=$(mktemp -d)
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
# A display of its own, free of any other server (one still shutting down holds its number).
n=57
while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
display=:$n
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
export DISPLAY=$display
until xdotool getdisplaygeometry >/dev/null 2>&1; do
    kill -0 $xvfb 2>/dev/null || { echo "Xvfb did not start on $display" >&2; exit 1; }
    sleep 0.05
done

# Microseconds from exec until a window of the program is mapped.
time_to_window() {
    local start end pid
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || return 1
    done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

# The polling connections now and then crowd out the program's own, and it ends at once
# with "could not connect to display": such a try is no start, and is made again (at most 5).
timed_start() {
    local tries
    for tries in 1 2 3 4 5; do
        time_to_window "$1" && return 0
    done
    echo "$1 did not show a window in 5 tries" >&2
    exit 1
}

s_times=()
m_times=()
for _ in $(seq "$runs"); do
    s_times+=("$(timed_start "$strumix")")
    m_times+=("$(timed_start "$minimal")")
done
s=$(printf '%s\n' "${s_times[@]}" | median)
m=$(printf '%s\n' "${m_times[@]}" | median)
echo "exec to window, median of $runs runs (microseconds): strumix $s, minimal Qt window $m"
awk -v s="$s" -v m="$m" 'BEGIN {printf "ratio strumix / minimal: %.2f\n", s / m}'
