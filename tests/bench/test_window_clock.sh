#!/usr/bin/env bash
# The start-up clock against a real X server: Strumix's title window is mapped, then wholly
# drawn; the clock clicks the title button once it is drawn, and the main window follows and
# is drawn; the memory is read. What bench/startup.sh reports rests on these.
# Usage: test_window_clock.sh WINDOW_CLOCK STRUMIX
set -euo pipefail
clock=$1
strumix=$2
unset QT_QPA_PLATFORM
first_display=87
source "$(dirname "$0")/../../bench/private_session.sh"

out=$("$clock" --click "$strumix_title_button" --idle-ms 200 -- "$strumix")
echo "$out"
value() { echo "$out" | awk -v name="$1" '$1 == name {print $2}'; }
fail() { echo "FAIL: $*" >&2; exit 1; }
for name in window1_mapped_from_exec window1_whole_from_exec window2_mapped_from_click \
            window2_whole_from_click window2_whole_from_exec rss_kib pss_kib; do
    [ -n "$(value $name)" ] || fail "no $name"
done
awk -v m="$(value window1_mapped_from_exec)" -v w="$(value window1_whole_from_exec)" \
    'BEGIN {exit !(m > 0 && m <= w)}' || fail "the title drawn before it was mapped"
awk -v m="$(value window2_mapped_from_click)" -v w="$(value window2_whole_from_click)" \
    -v e="$(value window2_whole_from_exec)" -v t="$(value window1_whole_from_exec)" \
    'BEGIN {exit !(m > 0 && m <= w && e > t)}' || fail "the main window's times are out of order"
[ "$(value rss_kib)" -gt 10000 ] || fail "implausible memory"
# A program that never shows a window is told, not waited for.
if "$clock" -- /bin/true 2>/dev/null; then fail "a program without windows was timed"; fi
echo "PASS"
