#!/usr/bin/env bash
# Times Strumix's start against a minimal Qt window, in alternated runs under one Xvfb, from
# the X server's own map and drawing events (bench/window_clock: it waits on the events, so
# nothing polls the server while the program starts). For each program it reports the medians:
#   exec to the first window mapped, and to every pixel of it drawn;
#   for Strumix, the title button clicked as soon as it shows: the click to the main window
#   mapped and drawn, and exec to the main window drawn;
#   the resident and proportional memory after a second idle with its last window up.
# Further commands given after the runs are timed the same way, side by side (the programs a
# user would pick instead: kolourpaint, mscore3, tuxguitar).
# Usage: bench/startup.sh [build-dir] [runs] [other program...]
set -euo pipefail
# A session bus of its own, as every desktop session has one: without it each Qt program's
# first window has libdbus start dbus-launch (several milliseconds, landing before the map of
# a window with children and after the map of one without).
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi
build=${1:-build/release}
runs=${2:-15}
shift $(($# > 2 ? 2 : $#))
peers=("$@")
strumix=$build/app/strumix
minimal=$build/bench/minimal_window
clock=$build/bench/window_clock
source "$(dirname "$0")/private_session.sh"
button=$strumix_title_button

results=$(mktemp -d)
# One timed start: the clock's "name value" lines, each kept under the program's label.
timed() {
    local label=$1
    shift
    "$clock" "$@" | while read -r name value; do echo "$value" >>"$results/$label.$name"; done
}

for _ in $(seq "$runs"); do
    timed strumix --click "$button" --idle-ms 1000 -- "$strumix"
    timed minimal --idle-ms 1000 -- "$minimal"
done
# The other programs start slowly and their first runs read from the disk; fewer runs, after
# one untimed start each.
peer_runs=$(((runs + 2) / 3))
for peer in "${peers[@]}"; do
    "$clock" --idle-ms 0 -- $peer >/dev/null || true
done
for _ in $(seq "$peer_runs"); do
    for peer in "${peers[@]}"; do
        timed "$(basename "${peer%% *}")" --idle-ms 2000 -- $peer ||
            echo "$peer: a start not timed" >&2
        # A program that keeps one instance (TuxGuitar) refuses a start for a few seconds
        # after its last one ended, handing it to the instance that is gone.
        sleep 3
    done
done

median() { sort -n "$1" | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
figure() { [ -f "$results/$1.$2" ] && median "$results/$1.$2" || echo "-"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (a == "-" || b == "-") print "-"; else printf "%.2f", a / b}'; }

m_map=$(figure minimal window1_mapped_from_exec)
m_whole=$(figure minimal window1_whole_from_exec)
m_rss=$(figure minimal rss_kib)
echo "medians of $runs alternated runs; times in ms from exec, memory in KiB"
printf '%-34s %10s %10s %8s\n' "" strumix minimal ratio
row() { printf '%-34s %10s %10s %8s\n' "$1" "$2" "$3" "$(ratio "$2" "$3")"; }
row "title window mapped" "$(figure strumix window1_mapped_from_exec)" "$m_map"
row "title window drawn" "$(figure strumix window1_whole_from_exec)" "$m_whole"
row "main window drawn (button at once)" "$(figure strumix window2_whole_from_exec)" "$m_map"
row "click to main window mapped" "$(figure strumix window2_mapped_from_click)" "$m_map"
row "click to main window drawn" "$(figure strumix window2_whole_from_click)" "$m_map"
row "resident memory, idle" "$(figure strumix rss_kib)" "$m_rss"
row "proportional memory, idle" "$(figure strumix pss_kib)" "$(figure minimal pss_kib)"
if [ ${#peers[@]} -gt 0 ]; then
    echo
    echo "other programs, medians of $peer_runs runs after one untimed start each"
    printf '%-14s %12s %12s %12s %14s\n' "" "mapped" "drawn" "memory KiB" "strumix / it"
    s_map=$(figure strumix window1_mapped_from_exec)
    s_rss=$(figure strumix rss_kib)
    for peer in "${peers[@]}"; do
        p=$(basename "${peer%% *}")
        p_map=$(figure "$p" window1_mapped_from_exec)
        p_rss=$(figure "$p" rss_kib)
        printf '%-14s %12s %12s %12s %6s %6s\n' "$p" "$p_map" "$(figure "$p" window1_whole_from_exec)" \
            "$p_rss" "$(ratio "$s_map" "$p_map")" "$(ratio "$s_rss" "$p_rss")"
    done
fi
rm -rf "$results"
