# Sourced by the start-up and wheel benchmarks and by the start-up clock's test: a home folder
# (settings, recovery, caches) and an X server of the run's own, both gone when the script ends.
# Sets session_home, xvfb (the server's process) and exports HOME, the XDG folders and DISPLAY.
# first_display, when set before, is the first display number tried.
session_home=$(mktemp -d)
export HOME=$session_home XDG_CONFIG_HOME=$session_home/config XDG_DATA_HOME=$session_home/data \
    XDG_CACHE_HOME=$session_home/cache
# A display free of any other server (one still shutting down holds its number).
n=${first_display:-57}
while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -rf "$session_home"' EXIT
until xdotool getdisplaygeometry >/dev/null 2>&1; do
    kill -0 $xvfb 2>/dev/null || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }
    sleep 0.05
done
# The title button's middle, in the title window: from the window's layout in twips (15 a
# pixel), the box at 810,840 and the button at 1290,2310 in it, 480 square.
strumix_title_button=156,226
