#!/usr/bin/env bash
# CPU per wheel notch over the largest page, the program's and the X server's together, for
# Strumix and for KolourPaint (Debian's kolourpaint) on the same picture, at 1 x and at 8 x, in
# one sitting under Xvfb with openbox. The notches go down and back up, 20 a second, with the
# pointer over the page; CPU is read from /proc/*/schedstat (every thread, in nanoseconds).
# Usage: bench/wheel.sh [build-dir] [notches]
set -euo pipefail
build=${1:-build/release}
notches=${2:-200}
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi
first_display=67
source "$(dirname "$0")/private_session.sh"
work=$session_home
"$build/bench/page_files" "$work" 2>/dev/null
cp "$work/largest.tab" "$work/largest.bmp"
openbox >/dev/null 2>&1 &
sleep 1

# Nanoseconds on a CPU so far, every thread of the process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{t += $1} END {print t}'; }

# Waits for a visible window whose name matches, and prints its id.
window_named() {
    local id=""
    for _ in $(seq 1200); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1) && [ -n "$id" ] && break
        sleep 0.05
    done
    [ -n "$id" ] || { echo "no window: $*" >&2; exit 1; }
    echo "$id"
}

# The wheel over the page, at the window's given percentages across and down: notches down and
# back up, in fives (the largest page at 1 x in a maximized window scrolls six notches). A fifth
# argument "still" measures a window the wheel does not move.
wheel() {
    local window=$1 pid=$2 across=$3 down=$4 still=${5:-} before_p before_x after_p after_x
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH * across / 100)) $((Y + HEIGHT * down / 100))
    sleep 0.5
    # A notch that moves nothing is no measure: the view must change.
    if [ -z "$still" ]; then
        local shown
        shown=$(import -window "$window" rgb:- | md5sum)
        xdotool click 5
        sleep 0.5
        [ "$(import -window "$window" rgb:- | md5sum)" != "$shown" ] ||
            { echo "the wheel did not scroll the view of $window" >&2; exit 1; }
        xdotool click 4
        sleep 0.5
    fi
    before_p=$(cpu_ns "$pid")
    before_x=$(cpu_ns "$xvfb")
    for _ in $(seq $((notches / 10))); do
        xdotool click --repeat 5 --delay 50 5
        xdotool click --repeat 5 --delay 50 4
    done
    sleep 0.5
    after_p=$(cpu_ns "$pid")
    after_x=$(cpu_ns "$xvfb")
    awk -v p=$((after_p - before_p)) -v x=$((after_x - before_x)) -v n="$notches" \
        'BEGIN {printf "%.0f %.0f %.0f", p / n / 1000, x / n / 1000, (p + x) / n / 1000}'
}

results=()
"$build/app/strumix" "$work/largest.tab" >/dev/null 2>&1 &
strumix=$!
title=$(window_named --name '^ $')
xdotool windowactivate --sync "$title" key Return
# The page's layout is not the start-up one: the program says so, then offers the layout it
# found; OK takes it.
told=$(window_named --name '^Strumix$')
xdotool windowactivate --sync "$told" key Return
asked=$(window_named --name 'Adjust Layout to Image')
xdotool windowactivate --sync "$asked" key alt+o
main=$(window_named --name 'largest.tab')
# The same window size for both programs: Strumix's main window as it opens on this screen.
eval "$(xdotool getwindowgeometry --shell "$main")"
size=("$WIDTH" "$HEIGHT")
results+=("strumix 1x $(wheel "$main" $strumix 50 66)")
xdotool windowactivate --sync "$main" key --repeat 7 --delay 100 ctrl+plus
results+=("strumix 8x $(wheel "$main" $strumix 50 66)")
kill $strumix
wait $strumix 2>/dev/null || true

# The floor: what a notch costs the X server and a Qt window that does nothing with it (the
# fake button events, their delivery, the toolkit's dispatch), in a window of the same size.
"$build/bench/minimal_window" >/dev/null 2>&1 &
minimal=$!
window=$(window_named --name '^minimal$')
xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" "${size[0]}" "${size[1]}"
sleep 1
results+=("minimal-Qt 1x $(wheel "$window" $minimal 50 66 still)")
kill $minimal
wait $minimal 2>/dev/null || true

if command -v kolourpaint >/dev/null; then
    kolourpaint "$work/largest.bmp" >/dev/null 2>&1 &
    kp=$!
    window=$(window_named --class kolourpaint)
    xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" "${size[0]}" "${size[1]}"
    sleep 1
    # The canvas is right of the tool box, above the colour box.
    results+=("kolourpaint 1x $(wheel "$window" $kp 75 40)")
    # 100 % to 800 %: 200, 300, 400, 600, 800.
    xdotool windowactivate --sync "$window" key --repeat 5 --delay 200 ctrl+plus
    sleep 1
    results+=("kolourpaint 8x $(wheel "$window" $kp 75 40)")
    kill $kp
    wait $kp 2>/dev/null || true
fi

echo "CPU per wheel notch over the largest page, microseconds ($notches notches;" \
    "windows of ${size[0]} x ${size[1]})"
printf '%-14s %5s %10s %10s %10s\n' program zoom program "X server" together
for r in "${results[@]}"; do
    # shellcheck disable=SC2086
    printf '%-14s %5s %10s %10s %10s\n' $r
done
