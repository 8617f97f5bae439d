#!/usr/bin/env bash
# Times exec-to-window-on-screen for Strumix's title window and for a minimal Qt window,
# side by side under one Xvfb, and prints the medians and their ratio.
# Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build/release}
runs=${2:-15}
strumix=$build/app/strumix
minimal=$build/bench/minimal_window
display=:57
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display

# Milliseconds from exec until a window of the program is mapped.
time_to_window() {
    local start end pid
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do :; done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

s_times=()
m_times=()
for _ in $(seq "$runs"); do
    s_times+=("$(time_to_window "$strumix")")
    m_times+=("$(time_to_window "$minimal")")
done
s=$(printf '%s\n' "${s_times[@]}" | median)
m=$(printf '%s\n' "${m_times[@]}" | median)
echo "exec to window, median of $runs runs (microseconds): strumix $s, minimal Qt window $m"
awk -v s="$s" -v m="$m" 'BEGIN {printf "ratio strumix / minimal: %.2f\n", s / m}'
